// Abstract direct-access container.
#ifndef TOVDIRACCCONTAINER_H
#define TOVDIRACCCONTAINER_H

#include "TOVContainer.h"

class TOVBASIC_API TOVDirAccContainer : public TOVContainer {
  TOV_DECLARE_CLASS(TOVDirAccContainer)
public:
  explicit TOVDirAccContainer(TOVContainerWhatToDoAtDeleteEnum whatToDo);
  ~TOVDirAccContainer() override;
};

#endif

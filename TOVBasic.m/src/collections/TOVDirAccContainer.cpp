#include "TOVDirAccContainer.h"

TOV_IMPLEMENT_CLASS(TOVDirAccContainer, TOVContainer)

TOVDirAccContainer::TOVDirAccContainer(TOVContainerWhatToDoAtDeleteEnum whatToDo)
    : TOVContainer(whatToDo) {}

TOVDirAccContainer::~TOVDirAccContainer() = default;

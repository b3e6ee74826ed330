// An identified object that also carries the identifier of its parent.
#ifndef TOVIDANDPARENTID_H
#define TOVIDANDPARENTID_H

#include "TOVIdentifiedObject.h"

class TOVBASIC_API TOVIdAndParentId : public TOVIdentifiedObject {
  TOV_DECLARE_CLASS(TOVIdAndParentId)

public:
  /// Copies both texts.
  TOVIdAndParentId(const TOVString& identifier, const TOVString& parentId);
  ~TOVIdAndParentId() override;

  const TOVString& GetIdentifier() const override;
  virtual const TOVString& GetParentId() const;

private:
  TOVString _Identifier;
  TOVString _ParentId;
};

#endif

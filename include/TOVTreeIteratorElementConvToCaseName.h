// Strategy that names the object of a tree-iterator element.
#ifndef TOVTREEITERATORELEMENTCONVTOCASENAME_H
#define TOVTREEITERATORELEMENTCONVTOCASENAME_H

#include "MORUnicodeString.h"
#include "TOVMacro.h"

class TOVTreeIteratorElement;

class TOVBASIC_API TOVTreeIteratorElementConvToCaseName : public MORBaseUnknown {
  TOV_DECLARE_CLASS(TOVTreeIteratorElementConvToCaseName)

public:
  TOVTreeIteratorElementConvToCaseName() = default;
  ~TOVTreeIteratorElementConvToCaseName() override;

  /// Gives the element to name.
  virtual void SetElement(const TOVTreeIteratorElement* element) = 0;
  /// The name of the element last set.
  virtual const MORUnicodeString& GetCaseName() const = 0;
};

#endif

// Iterator wrapper that keeps the container, the pattern and the comparator alive.
#ifndef TOVITERATORWITHALLRFHNDLR_H
#define TOVITERATORWITHALLRFHNDLR_H

#include "MORBaseUnknownRfHndlr.h"
#include "TOVContainerRfHndlr.h"
#include "TOVIterator.h"

class TOVBASIC_API TOVIteratorWithAllRfHndlr : public TOVIterator {
  TOV_DECLARE_CLASS(TOVIteratorWithAllRfHndlr)
public:
  /// Takes over it (released with the wrapper). The handles must hold the iterator's
  /// pattern and (when not empty) its comparator.
  TOVIteratorWithAllRfHndlr(TOVIterator* it, const TOVContainerRfHndlr& hContainer,
                            const MORBaseUnknownRfHndlr& hPattern,
                            const TOVComparatorRfHndlr& hComparator);
  ~TOVIteratorWithAllRfHndlr() override;

  MORBaseUnknown* Next() override;
  MORBaseUnknown* Previous() override;
  void ToBegin() override;
  void ToEnd() override;
  TOVCursor* Position() override;
  void SetWithPattern(unsigned int withPattern) override;
  unsigned int WithPattern() const override;
  const MORBaseUnknown* GetPattern() const override;
  /// Refused: the pattern handle would no longer hold the pattern.
  void SetPattern(const MORBaseUnknown* pattern) override;
  /// Refused: the comparator would not be kept alive.
  void SetComparator(const TOVComparator& cmp) override;
  /// Keeps the handle, then passes it on to the wrapped iterator.
  void SetHComparator(const TOVComparatorRfHndlr& hCmp) override;
  const TOVComparator& GetComparator() const override;
  const TOVComparatorRfHndlr& GetHComparator() const override;

private:
  TOVIterator* _pIterator;
  TOVContainerRfHndlr _HContainer;
  MORBaseUnknownRfHndlr _HPattern;
  TOVComparatorRfHndlr _HComparator;
};

#endif

// Tree iterator whose elements also know whether their object has a following sibling.
#ifndef TOVTREEASTREEITERATOR_H
#define TOVTREEASTREEITERATOR_H

#include "TOVChildExtractorRfHndlr.h"
#include "TOVTreeAsTreeIteratorElementMakerRfHndlr.h"
#include "TOVTreeIterator.h"
#include "TOVVector.h"

class TOVOneWayIterator;
class TOVTreeAsTreeIteratorElement;

/// Walks the tree below root (null: the extractor's top level) depth first, each node
/// before its children, reading one sibling ahead at every depth so that each element
/// returned can say whether another sibling follows (what a tree drawing needs).
class TOVBASIC_API TOVTreeAsTreeIterator : public TOVTreeIterator {
  TOV_DECLARE_CLASS(TOVTreeAsTreeIterator)

public:
  /// The handles are copied (counted).
  TOVTreeAsTreeIterator(const TOVChildExtractorRfHndlr& hChildExtractor,
                        const TOVTreeAsTreeIteratorElementMakerRfHndlr& hElementMaker,
                        const MORBaseUnknown* root);
  /// Deletes the child iterators still open and every element.
  ~TOVTreeAsTreeIterator() override;

  const TOVTreeIteratorElement* Next() override;
  const TOVVector& GetElementSet() const override;
  /// The element last returned (null before the first and after the end).
  virtual const TOVTreeAsTreeIteratorElement* GetCurrentElement() const;
  /// Its depth (-1 before the first and after the end).
  virtual int GetCurrentElementIdx() const;

private:
  TOVChildExtractorRfHndlr _HChildExtractor;
  TOVTreeAsTreeIteratorElementMakerRfHndlr _HElementMaker;
  const MORBaseUnknown* _pRoot;
  unsigned int _Finished;
  TOVVector _IteratorSet;
  int _CurrentDepth;
  TOVOneWayIterator* _pCurrentIterator;
  TOVTreeAsTreeIteratorElement* _pCurrentElement;
  TOVVector _ElementSet;
};

#endif

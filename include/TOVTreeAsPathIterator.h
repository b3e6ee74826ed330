// Tree iterator that returns, node by node, elements from which a path can be built.
#ifndef TOVTREEASPATHITERATOR_H
#define TOVTREEASPATHITERATOR_H

#include "TOVChildExtractorRfHndlr.h"
#include "TOVTreeAsPathIteratorElementMakerRfHndlr.h"
#include "TOVTreeAsPathIteratorFilterRfHndlr.h"
#include "TOVTreeIterator.h"
#include "TOVVector.h"

class TOVOneWayIterator;
class TOVTreeAsPathIteratorElement;

/// Walks the tree below root (null: the extractor's top level) depth first, each node
/// before its children, returning the nodes that the filter accepts (all without
/// filter). Used once: after the end it stays finished.
class TOVBASIC_API TOVTreeAsPathIterator : public TOVTreeIterator {
  TOV_DECLARE_CLASS(TOVTreeAsPathIterator)

public:
  /// The handles are copied (counted); the filter handle may be empty.
  TOVTreeAsPathIterator(const TOVChildExtractorRfHndlr& hChildExtractor,
                        const TOVTreeAsPathIteratorElementMakerRfHndlr& hElementMaker,
                        const TOVTreeAsPathIteratorFilterRfHndlr& hFilter,
                        const MORBaseUnknown* root);
  /// Deletes the child iterators still open and every element.
  ~TOVTreeAsPathIterator() override;

  const TOVTreeIteratorElement* Next() override;
  const TOVVector& GetElementSet() const override;
  /// The element last returned (null before the first and after the end).
  virtual const TOVTreeAsPathIteratorElement* GetCurrentElement() const;
  /// Its depth (-1 before the first and after the end).
  virtual int GetCurrentElementIdx() const;

private:
  TOVChildExtractorRfHndlr _HChildExtractor;
  TOVTreeAsPathIteratorElementMakerRfHndlr _HElementMaker;
  TOVTreeAsPathIteratorFilterRfHndlr _HFilter;
  const MORBaseUnknown* _pRoot;
  unsigned int _Finished;
  TOVVector _IteratorSet;
  int _CurrentDepth;
  TOVOneWayIterator* _pCurrentIterator;
  TOVTreeAsPathIteratorElement* _pCurrentElement;
  TOVVector _ElementSet;
};

#endif

#include "TOVSeqCollection.h"

TOV_IMPLEMENT_CLASS(TOVSeqCollection, TOVContainer)

TOVSeqCollection::TOVSeqCollection(TOVContainerWhatToDoAtDeleteEnum whatToDo)
    : TOVContainer(whatToDo) {}

TOVSeqCollection::~TOVSeqCollection() = default;

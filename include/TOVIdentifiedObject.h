// An object that has a text identifier.
#ifndef TOVIDENTIFIEDOBJECT_H
#define TOVIDENTIFIEDOBJECT_H

#include "TOVOFStream.h"
#include "TOVString.h"

/// Containers keyed by TOVIdentifiedObjectCmpIdVal and TOVIdentifiedObjectHashIdVal find
/// identified objects from their identifier text.
class TOVBASIC_API TOVIdentifiedObject : public MORBaseUnknown {
  TOV_DECLARE_CLASS(TOVIdentifiedObject)

public:
  TOVIdentifiedObject() = default;
  ~TOVIdentifiedObject() override;

  virtual const TOVString& GetIdentifier() const = 0;
  /// Writes, with no line end: "Addr: " the address " Class: " the class name
  /// " Identifier: \"" the identifier and a closing double quote.
  virtual void Dump(TOVOFStream& stream) const;
};

/// Dumps object on stream; gives the stream.
TOVBASIC_API TOVOFStream& operator<<(TOVOFStream& stream, const TOVIdentifiedObject& object);

#endif

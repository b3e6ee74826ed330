#include "TOVIdentifiedObject.h"

TOV_IMPLEMENT_CLASS(TOVIdentifiedObject, MORBaseUnknown)

TOVIdentifiedObject::~TOVIdentifiedObject() = default;

void TOVIdentifiedObject::Dump(TOVOFStream& stream) const {
  stream << "Addr: " << const_cast<void*>(static_cast<const void*>(this)) << " Class: " << IsA()
         << " Identifier: \"" << static_cast<const char*>(GetIdentifier()) << '"';
}

TOVOFStream& operator<<(TOVOFStream& stream, const TOVIdentifiedObject& object) {
  object.Dump(stream);
  return stream;
}

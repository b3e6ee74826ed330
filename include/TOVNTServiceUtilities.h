// Services and their registry values.
#ifndef TOVNTSERVICEUTILITIES_H
#define TOVNTSERVICEUTILITIES_H

#include "TOVString.h"

/// A service of base name B and instance name I is named "I_B"; it is the systemd unit
/// "I_B.service" in the unit directory ("TOV_SERVICE_DIR", by default
/// "/etc/systemd/system"). Characters of a name other than letters, digits and ":_.-" are
/// written "\xNN" in the unit's name. Texts from the caller are quoted in the unit, so that
/// none can add a directive.
///
/// The registry is a tree of files under the registry directory ("TOV_REGISTRY_DIR", by
/// default "/etc/TOVBasic/registry"): a key path, its parts separated by "\" or "/", is a
/// directory, a value a file of the key holding the value's text.
class TOVBASIC_API TOVNTServiceUtilities {
public:
  /// 1 when the service's unit exists.
  static unsigned int IsRegistered(const TOVString& iBaseName, const TOVString& iInstanceName);
  /// Writes the service's unit: description iDisplayPrefix " " iBaseName; command line the
  /// program path (put in double quotes unless it begins with one), a blank and the base
  /// name; enabled for the multi-user target when iAutoStart is set; depending on the
  /// service iDependency of the same instance when that one exists. A unit that exists is
  /// not replaced. Messages "0400" to "0402" and "0405".
  [[nodiscard]] static long Register(const TOVString& iBaseName, const TOVString& iInstanceName,
                                     const TOVString& iDisplayPrefix, const TOVString& iProgramPath,
                                     unsigned int iAutoStart, const TOVString& iDependency);
  /// Removes the service's unit. Messages "0400", "0401", "0403" and "0404".
  [[nodiscard]] static long Unregister(const TOVString& iBaseName, const TOVString& iInstanceName);
  /// Creates the key when needed and sets the value iValueName of it to iValueText, replaced
  /// at once (a reader sees the old text or the new one). 1 on success, 0 on failure.
  static unsigned int WriteRegKey(const TOVString& iValueName, const TOVString& iValueText,
                                  const TOVString& iKeyPath);
  /// Deletes a key and its values; a key with subkeys, or the root, is not deleted.
  /// 1 on success, 0 on failure.
  static unsigned int DeleteRegKey(const TOVString& iKeyPath);
};

#endif

// Description of the machine the process runs on.
#ifndef TOVHOSTINFO_H
#define TOVHOSTINFO_H

#include "TOVMacro.h"
#include "TOVString.h"

class TOVOSType;

/// One instance per process, made on first use and owned by the global object cleaner.
class TOVBASIC_API TOVHostInfo : public MORBaseUnknown {
  TOV_DECLARE_CLASS(TOVHostInfo)
public:
  /// Reads the host: a host or system that cannot be described is a fatal internal error.
  TOVHostInfo();
  ~TOVHostInfo() override;

  /// The host name, in lower case.
  virtual const TOVString& GetHostName() const;
  /// The shared Unix operating-system type.
  virtual const TOVOSType& GetOSType() const;
  /// The system's name as uname gives it ("Linux").
  virtual const TOVString& GetOSName() const;
  /// The major and minor numbers of the system's release ("6.1").
  virtual const TOVString& GetOSVersion() const;
  /// "amd64", "x86", "Alpha", or else the machine name as uname gives it.
  virtual const TOVString& GetProcessorType() const;

  /// The instance of the process.
  static TOVHostInfo& GetGlobal();

private:
  TOVString _HostName;
  TOVString _OSName;
  TOVString _OSVersion;
  TOVString _ProcessorType;

  static TOVHostInfo* _pGlobal;
};

#endif

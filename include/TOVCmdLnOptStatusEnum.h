// Whether a command-line option may be left out, must be given or asks for help.
#ifndef TOVCMDLNOPTSTATUSENUM_H
#define TOVCMDLNOPTSTATUSENUM_H

enum TOVCmdLnOptStatusEnum {
  /// The option may be left out.
  TOVCmdLnOptOptional = 0,
  /// The option must be given; checked after analysis unless help was asked for.
  TOVCmdLnOptMandatory = 1,
  /// The option asks for help; its analyzer remembers it as its help option.
  TOVCmdLnOptHelp = 2
};

#endif

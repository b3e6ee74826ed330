#include "TOVCmdLnOptMngr.h"

#include "TOVCmdLnAnalyzer.h"

TOV_IMPLEMENT_CLASS(TOVCmdLnOptMngr, MORBaseUnknown)

TOVCmdLnOptMngr::TOVCmdLnOptMngr(TOVCmdLnAnalyzer& iAnalyzer) : _rCmdLnAnalyzer(iAnalyzer) {
  iAnalyzer.AddOptMngr(*this);
}

TOVCmdLnOptMngr::~TOVCmdLnOptMngr() = default;

const TOVCmdLnAnalyzer& TOVCmdLnOptMngr::GetCmdLnAnalyzer() const {
  return _rCmdLnAnalyzer;
}

// Chain of two convertors: the second converts what the first gives.
#ifndef TOVCOUPLEDCONVERTOR_H
#define TOVCOUPLEDCONVERTOR_H

#include "TOVConvertor.h"

class TOVBASIC_API TOVCoupledConvertor : public TOVConvertor {
  TOV_DECLARE_CLASS(TOVCoupledConvertor)
public:
  /// Neither convertor is owned; both must outlive this one.
  TOVCoupledConvertor(TOVConvertor& first, TOVConvertor& second);
  ~TOVCoupledConvertor() override;

  void Set(const MORBaseUnknown* obj) override;
  const MORBaseUnknown* GetConverted() const override;

private:
  TOVConvertor& _First;
  TOVConvertor& _Second;
};

#endif

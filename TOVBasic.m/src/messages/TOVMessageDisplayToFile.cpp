#include "TOVMessageDisplayToFile.h"

TOV_IMPLEMENT_CLASS(TOVMessageDisplayToFile, TOVMessageDisplay)

TOVMessageDisplayToFile::~TOVMessageDisplayToFile() = default;

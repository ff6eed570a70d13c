#include "passes/statement_terminators.h"

namespace veldrane {

void AddStatementTerminators(Conversion&) {}

}  // namespace veldrane

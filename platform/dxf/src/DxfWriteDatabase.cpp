// Whole drawings (a database without a source): not written yet.
#include "DxfWriter.h"

namespace kydxf
{
void dxfWriteDatabase(OdDbDatabase*, DxfOutput&)
{
  throw DxfWriteError{"writing a drawing that was not read from a file is not implemented yet"};
}

void dxfWriteSection(OdDbDatabase*, std::string_view name, DxfOutput&)
{
  throw DxfWriteError{"writing the " + std::string(name) + " section of a drawing that lacks it is not implemented yet"};
}
} // namespace kydxf

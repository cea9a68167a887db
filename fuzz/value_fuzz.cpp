// libFuzzer target: what a user types into a row. The first bytes pick an entity of the built-in
// sample drawing, one of its rows and the drawing's linear units; the rest is the typed text.
// kyprops' value parser reads it for the row (numbers with units, angles, fractions, feet and
// inches, colours, lineweights, transparency, list entries, objects by name or handle) and, when
// it reads, the palette writes it. A text that does not read must say why; the write follows
// the setter rules of the quality tests; nothing may crash or trip a sanitizer.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include <QString>

#include "DbDatabase.h"
#include "KyDrawingSource.h"
#include "KyFuzzPalette.h"
#include "KyValueParser.h"
#include "SampleDrawing.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
  if (size < 3)
    return 0;
  KyFuzzHost& host = KyFuzzHost::get();
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  KyBuildSampleDrawing(db.get());
  db->setLUNITS(static_cast<OdInt16>(1 + data[2] % 5));
  db->setLUPREC(static_cast<OdInt16>(data[2] / 5 % 9));
  const KyActiveDocument document(db.get());
  const KyPalette palette(db.get(), host.translator, host.services, CKyVariant());

  const std::vector<OdDbObjectId> entities = KySpaceEntities(db.get());
  const KyPaletteObject object = palette.gather(entities[data[0] % entities.size()]);
  if (object.rows.empty())
    return 0;
  const CKyPropertyDescription* row = object.rows[data[1] % object.rows.size()];
  const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 3), static_cast<int>(size - 3));

  const KyValueParser parser(db.get());
  CKyVariant value;
  QString error;
  if (!parser.parse(text, row->GetType(), palette.currentValue(object, row), value, error))
  {
    if (error.isEmpty())
    {
      std::fprintf(stderr, "value_fuzz: \"%s\" was refused for \"%s\" without a reason\n", qPrintable(text),
                   qPrintable(row->GetName().toQString()));
      std::abort();
    }
    return 0;
  }
  KyFuzzCheckedEdit(palette, object, row, value);
  palette.read(object);
  return 0;
}

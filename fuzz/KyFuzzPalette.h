// What the palette fuzz targets share: the module and kyprops' palette services set up once for
// the whole run (as a host does), and an edit through the palette checked as the quality tests
// check setters.
#ifndef KY_FUZZ_PALETTE_H
#define KY_FUZZ_PALETTE_H

#include "KyHostServices.h"
#include "KyKeyTranslator.h"
#include "KyPalette.h"

class OdRxModule;

class KyFuzzHost
{
public:
  // Made on first use and kept until the process ends, as a loaded module is.
  static KyFuzzHost& get();

  KyKeyTranslator translator;
  KyPropsServices services{false};

private:
  KyFuzzHost();
  OdRxModule* m_module = nullptr;
};

// Writes the value through the palette (which catches the SDK's errors) and aborts when a refusal
// changed the object's DXF state or an acceptance added a NaN or infinity to it.
KyEditOutcome KyFuzzCheckedEdit(const KyPalette& palette, const KyPaletteObject& object,
                                const CKyPropertyDescription* row, const CKyVariant& value);

#endif

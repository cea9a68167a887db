// Kind writers of dynamic-block parameters. Files have no standard form for this system's
// parameters, so they are written under its own kinds and classes (declared in CLASSES), with the
// fields the parameters put out themselves; readers that do not know them pass them over.
#include "DbBlockParameter.h"
#include "DxfNumberFiler.h"
#include "DxfWriter.h"

namespace kydxf
{
namespace
{
// The parameters' subclasses, and the markers files give them.
const struct
{
  const wchar_t* own;
  const char* file;
} kMarkers[] = {
  {L"OdDbBlockParameter", "KyDbBlockParameter"},
  {L"OdDbBlock1PtParameter", "KyDbBlock1PtParameter"},
  {L"OdDbBlockRangeParameter", "KyDbBlockRangeParameter"},
  {L"OdDbBlockLinearParameter", "KyDbBlockLinearParameter"},
  {L"OdDbBlockFlipParameter", "KyDbBlockFlipParameter"},
  {L"OdDbBlockVisibilityParameter", "KyDbBlockVisibilityParameter"},
  {L"OdDbBlockLookupParameter", "KyDbBlockLookupParameter"},
};

// Puts what the object files out into the fields, from its first subclass on (the handle, the
// extension dictionary and the owner before it are the output's).
class FieldsFiler : public DxfNumberFiler
{
public:
  FieldsFiler(DxfFields& out, const char* kind) : m_out(out), m_kind(kind) {}

  OdDbDatabase* database() const override { return m_out.database(); }
  void wrSubclassMarker(const OdString& name) override
  {
    for (const auto& marker : kMarkers)
      if (name == marker.own)
      {
        m_out.subclassOwningAll(marker.file);
        m_started = true;
        return;
      }
    throw DxfWriteError{std::string(m_kind) + ": the subclass " + name.toUtf8() + " has no form in files"};
  }
  void wrString(int code, const OdString& v) override
  {
    if (m_started)
      m_out.text(code, v);
  }
  void wrInt64(int code, OdInt64 v) override
  {
    if (m_started)
      m_out.integer(code, v);
  }
  void wrDouble(int code, double v) override
  {
    if (m_started)
      m_out.real(code, v);
  }
  void wrHandle(int code, const OdDbHandle& v) override
  {
    if (m_started)
      m_out.handle(code, static_cast<std::uint64_t>(v));
  }
  void wrBinaryChunk(int code, const OdUInt8*, OdUInt32) override
  {
    throw DxfWriteError{std::string(m_kind) + ": binary data (group code " + std::to_string(code) +
                        ") has no form in files"};
  }

private:
  DxfFields& m_out;
  const char* m_kind;
  bool m_started = false;
};

template <const char* Kind>
void parameterFields(const OdDbObject* pObj, DxfFields& out)
{
  FieldsFiler filer(out, Kind);
  pObj->dxfOutFields(&filer);
  dxfXDataFields(pObj, Kind, out);
}

constexpr char kLinear[] = "KYBLKLINEARPARAM";
constexpr char kRotation[] = "KYBLKROTATIONPARAM";
constexpr char kFlip[] = "KYBLKFLIPPARAM";
constexpr char kVisibility[] = "KYBLKVISIBILITYPARAM";
constexpr char kLookup[] = "KYBLKLOOKUPPARAM";

const DxfKindWriter kLinearWriter{kLinear, &OdDbBlockLinearParameter::desc, &parameterFields<kLinear>};
const DxfKindWriter kRotationWriter{kRotation, &OdDbBlockRotationParameter::desc, &parameterFields<kRotation>};
const DxfKindWriter kFlipWriter{kFlip, &OdDbBlockFlipParameter::desc, &parameterFields<kFlip>};
const DxfKindWriter kVisibilityWriter{kVisibility, &OdDbBlockVisibilityParameter::desc,
                                      &parameterFields<kVisibility>};
const DxfKindWriter kLookupWriter{kLookup, &OdDbBlockLookupParameter::desc, &parameterFields<kLookup>};
const DxfKindWriters kParameterWriters{&kLinearWriter, &kRotationWriter, &kFlipWriter, &kVisibilityWriter,
                                       &kLookupWriter};
} // namespace

const std::vector<DxfFileClass>& dxfOwnClasses()
{
  static const std::vector<DxfFileClass> classes = {
    {kLinear, "KyDbBlockLinearParameter", &OdDbBlockLinearParameter::desc},
    {kRotation, "KyDbBlockRotationParameter", &OdDbBlockRotationParameter::desc},
    {kFlip, "KyDbBlockFlipParameter", &OdDbBlockFlipParameter::desc},
    {kVisibility, "KyDbBlockVisibilityParameter", &OdDbBlockVisibilityParameter::desc},
    {kLookup, "KyDbBlockLookupParameter", &OdDbBlockLookupParameter::desc},
  };
  return classes;
}
} // namespace kydxf

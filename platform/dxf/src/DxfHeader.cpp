// The HEADER section: the file's version and code page first (they decide how every text is
// decoded), then the drawing's variables. Variables naming records ($CLAYER, $TEXTSTYLE ...)
// are resolved once the tables are read.
#include <cmath>

#include "DxfReader.h"
#include "Ge/GeGbl.h"
#include "OdError.h"

namespace kydxf
{
namespace
{
// The versions this reader knows, by the number of their $ACADVER tag.
const int kVersions[] = {1009, 1012, 1014, 1015, 1018, 1021, 1024, 1027, 1032};

const DxfTag* findCode(const std::vector<DxfTag>& tags, int code)
{
  for (const DxfTag& t : tags)
    if (t.code == code)
      return &t;
  return nullptr;
}
} // namespace

void DxfReader::readHeaderVariables(std::vector<HeaderVariable>& variables, bool inHeader)
{
  for (;;)
  {
    const DxfTag tag = requireTag("the HEADER section");
    if (inHeader ? sectionEnds(tag, "HEADER") : tag.code == 0)
    {
      if (!inHeader)
        m_tokens.pushBack();
      return;
    }
    if (tag.code == 9)
    {
      variables.push_back({tag.text, tag.line, {}});
      continue;
    }
    if (variables.empty() || tag.code == 0)
    {
      repair(tag.line, "expected a header variable (group code 9), found group code " + std::to_string(tag.code),
             "passed over the tag");
      continue;
    }
    variables.back().tags.push_back(tag);
  }
}

void DxfReader::readHeader()
{
  std::vector<HeaderVariable> variables;
  readHeaderVariables(variables, true);
  applyHeaderVariables(variables);
}

void DxfReader::applyHeaderVariables(const std::vector<HeaderVariable>& variables)
{
  for (const HeaderVariable& v : variables)
    if (v.name == "$ACADVER")
    {
      const DxfTag* t = findCode(v.tags, 1);
      if (!t)
      {
        repair(v.line, "$ACADVER has no value", "read the file as AC" + std::to_string(m_version));
        continue;
      }
      const std::string_view tagText = dxfTrim(t->text);
      int number = 0;
      if (tagText.size() == 6 && tagText.substr(0, 2) == "AC")
        for (char c : tagText.substr(2))
          number = (c >= '0' && c <= '9' && number >= 0) ? number * 10 + (c - '0') : -1;
      bool known = false;
      for (int k : kVersions)
        known = known || k == number;
      std::string version(tagText);
      if (!known)
      {
        // The nearest version this reader knows: the oldest below it, the newest above it, the
        // one before it in between; a version that is no version at all is read as R12.
        int nearest = kVersions[0];
        for (int k : kVersions)
          if (k <= number)
            nearest = k;
        version = "AC" + std::to_string(nearest);
        repair(t->line + 1, "unsupported DXF version '" + std::string(tagText.substr(0, 40)) +
                              "' (versions AC1009 to AC1032 are read)",
               "read it as " + version);
        number = nearest;
      }
      m_version = number;
      m_report.version = QString::fromStdString(version);
      m_db->setFileVersionName(OdString(std::wstring(version.begin(), version.end())));
    }

  for (const HeaderVariable& v : variables)
    if (v.name == "$DWGCODEPAGE")
    {
      const DxfTag* t = findCode(v.tags, 3);
      if (!t)
      {
        repair(v.line, "$DWGCODEPAGE has no value", "read the texts as ANSI_1252");
        continue;
      }
      std::string_view name = dxfTrim(t->text);
      m_report.codepage = QString::fromLatin1(name.data(), static_cast<int>(name.size()));
      // Later versions are UTF-8 whatever their code page says; only older ones need a known one.
      std::string known;
      if (m_version < 1021 && !m_text.setCodePage(name))
      {
        known = dxfCodePageForAlias(name);
        repair(t->line + 1, "unknown code page '" + std::string(name.substr(0, 40)) + "'",
               known.empty() ? "read the texts as ANSI_1252" : "read it as its other name " + known);
        if (known.empty())
          known = "ANSI_1252";
        m_text.setCodePage(known);
        name = known;
        m_report.codepage = QString::fromStdString(known);
      }
      apply(t->line + 1, "$DWGCODEPAGE", [&] { m_db->setDWGCODEPAGE(OdString(std::wstring(name.begin(), name.end()))); });
    }
  // Files of the 2007 format and later are UTF-8 whatever their code page says.
  if (m_version >= 1021)
    m_text.setUtf8();

  for (const HeaderVariable& v : variables)
  {
    try
    {
      applyHeaderVariable(v.name, v.line, v.tags);
    }
    catch (const Refusal&)
    {
      // Recorded where the value was found wanting; the drawing keeps its default.
    }
  }
}

void DxfReader::applyHeaderVariable(std::string_view name, int line, const std::vector<DxfTag>& tags)
{
  const std::string what = std::string(name);
  auto value = [&](int code) -> const DxfTag& {
    const DxfTag* t = findCode(tags, code);
    if (!t)
    {
      repair(line, what + " has no value with group code " + std::to_string(code), "the drawing keeps its default");
      throw Refusal();
    }
    return *t;
  };
  auto integer = [&](int code) { return static_cast<int>(value(code).integer); };
  auto real = [&](int code) { return value(code).real; };
  auto point = [&](int code) {
    const DxfTag* x = findCode(tags, code);
    const DxfTag* y = findCode(tags, code + 10);
    const DxfTag* z = findCode(tags, code + 20);
    if (!x || !y)
    {
      repair(line, what + " needs a point (group codes " + std::to_string(code) + " and " + std::to_string(code + 10) + ")",
             "the drawing keeps its default");
      throw Refusal();
    }
    return OdGePoint3d(x->real, y->real, z ? z->real : 0.0);
  };
  // Boolean variables are written with 70 by old versions and 290 by newer ones.
  auto flag = [&]() {
    const DxfTag* t = findCode(tags, 290);
    if (!t)
      t = findCode(tags, 70);
    if (!t)
    {
      repair(line, what + " has no value", "the drawing keeps its default");
      throw Refusal();
    }
    return t->integer != 0;
  };
  auto set = [&](const std::function<void()>& setter) { apply(line, what.c_str(), setter); };
  OdDbDatabase* db = m_db;

  if (name == "$INSUNITS")
    set([&] { db->setINSUNITS(enumValue<OdDb::UnitsValue>(integer(70), 0, OdDb::kUnitsMax, line, "$INSUNITS")); });
  else if (name == "$LUNITS")
    set([&] { db->setLUNITS(static_cast<OdInt16>(integer(70))); });
  else if (name == "$LUPREC")
    set([&] { db->setLUPREC(static_cast<OdInt16>(integer(70))); });
  else if (name == "$AUNITS")
    set([&] { db->setAUNITS(static_cast<OdInt16>(integer(70))); });
  else if (name == "$AUPREC")
    set([&] { db->setAUPREC(static_cast<OdInt16>(integer(70))); });
  else if (name == "$MEASUREMENT")
    set([&] { db->setMEASUREMENT(enumValue<OdDb::MeasurementValue>(integer(70), 0, 1, line, "$MEASUREMENT")); });
  else if (name == "$PSTYLEMODE")
  {
    m_colorDependentPlotStyles = flag();
    db->setPSTYLEMODE(m_colorDependentPlotStyles);
  }
  else if (name == "$ANGDIR")
    db->setANGDIR(integer(70) == 1);
  else if (name == "$ANGBASE")
    set([&] { db->setANGBASE(real(50) * OdaPI / 180.0); });
  else if (name == "$LTSCALE")
    set([&] { db->setLTSCALE(real(40)); });
  else if (name == "$CELTSCALE")
    set([&] { db->setCELTSCALE(real(40)); });
  else if (name == "$TEXTSIZE")
    set([&] { db->setTEXTSIZE(real(40)); });
  else if (name == "$SPLINESEGS")
    set([&] { db->setSPLINESEGS(static_cast<OdInt16>(integer(70))); });
  else if (name == "$CELWEIGHT")
    set([&] { db->setCELWEIGHT(lineWeightValue(integer(370), line, "$CELWEIGHT", nullptr)); });
  else if (name == "$CETRANSPARENCY")
  {
    const DxfTag* t = findCode(tags, 440);
    if (!t)
      t = &value(70);
    OdCmTransparency transparency;
    transparency.serializeIn(static_cast<OdUInt32>(t->integer));
    set([&] { db->setCETRANSPARENCY(transparency); });
  }
  else if (name == "$CECOLOR")
  {
    OdCmColor color;
    set([&] {
      color.setColorIndex(static_cast<OdUInt16>(integer(62)));
      if (const DxfTag* rgb = findCode(tags, 420))
        color.setRGB(static_cast<OdUInt8>(rgb->integer >> 16), static_cast<OdUInt8>(rgb->integer >> 8),
                     static_cast<OdUInt8>(rgb->integer));
      db->setCECOLOR(color);
    });
  }
  else if (name == "$CEPSNTYPE")
  {
    const int type = integer(380);
    if (!m_colorDependentPlotStyles && (type == 0 || type == 1))
      set([&] { db->setCPLOTSTYLE(type == 0 ? OdString(L"ByLayer") : OdString(L"ByBlock")); });
  }
  else if (name == "$CEPSNID")
  {
    const std::uint64_t placeholder = parseHandle(value(390));
    if (placeholder != 0)
      defer(line, [this, placeholder, line] {
        auto it = m_plotStyleNames.find(placeholder);
        if (it != m_plotStyleNames.end() && !m_colorDependentPlotStyles)
          apply(line, "$CEPSNID", [&] { m_db->setCPLOTSTYLE(it->second); });
      });
  }
  else if (name == "$UCSORG")
    set([&] { db->setUCSORG(point(10)); });
  else if (name == "$UCSXDIR")
    set([&] { db->setUCSXDIR(point(10).asVector()); });
  else if (name == "$UCSYDIR")
    set([&] { db->setUCSYDIR(point(10).asVector()); });
  else if (name == "$CLAYER" || name == "$CELTYPE" || name == "$TEXTSTYLE" || name == "$DIMSTYLE")
  {
    const int code = name == "$CLAYER" ? 8 : name == "$CELTYPE" ? 6 : name == "$TEXTSTYLE" ? 7 : 2;
    const DxfTag tag = value(code);
    const std::string_view raw = tag.text;
    defer(line, [this, name, raw, line] {
      if (name == "$CLAYER")
        apply(line, "$CLAYER", [&] { m_db->setCLAYER(layerByName(raw, line)); });
      else if (name == "$CELTYPE")
        apply(line, "$CELTYPE", [&] { m_db->setCELTYPE(linetypeByName(raw, line)); });
      else if (name == "$TEXTSTYLE")
        apply(line, "$TEXTSTYLE", [&] { m_db->setTEXTSTYLE(textStyleByName(raw, line)); });
      else
      {
        const OdString styleName = text(raw, line);
        OdDbSymbolTablePtr pStyles = m_db->getDimStyleTableId().safeOpenObject();
        const OdDbObjectId id = pStyles->getAt(styleName);
        if (id.isNull())
        {
          repair(line, "$DIMSTYLE names the dimension style '" + styleName.toUtf8() + "', which the file does not define",
                 "the current dimension style is 'Standard'");
          return;
        }
        apply(line, "$DIMSTYLE", [&] { m_db->setDIMSTYLE(id); });
      }
    });
  }
}
} // namespace kydxf

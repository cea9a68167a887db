// CKyScaleList: lookup of a drawing's scales by name.
#include "KyScaleList.h"

#include "DbObjectContextManager.h"
#include "KyDrawingAnswers.h"

namespace
{
struct NamedScale
{
  CKyString name;
  OdDbObjectId id;
};

// The answers given per drawing, kept until anything in that drawing is added, changed or erased:
// every annotative object shown looks its current scale up by name, and the scale list changes
// rarely.
class ScaleNames : public KyDrawingObjectAnswers<NamedScale>
{
public:
  // The remembered answer for the name, or null when there is none.
  const OdDbObjectId* find(const OdDbDatabase* pDb, const CKyString& name) const
  {
    for (const Entry& entry : m_entries)
      if (entry.db == pDb && entry.answer.name == name)
        return &entry.answer.id;
    return nullptr;
  }

  void remember(const OdDbDatabase* pDb, const CKyString& name, const OdDbObjectId& id)
  {
    keep(pDb, NamedScale{name, id});
  }
};

ScaleNames& scaleNames()
{
  // Never destroyed: databases that outlive the host's statics still tell it goodbye.
  static ScaleNames* names = new ScaleNames;
  return *names;
}
} // namespace

OdDbAnnotationScalePtr CKyScaleList::GetByName(OdDbDatabase* pDb, const CKyString& name)
{
  if (!pDb)
    return OdDbAnnotationScalePtr();
  ScaleNames& names = scaleNames();
  if (const OdDbObjectId* known = names.find(pDb, name))
    return OdDbAnnotationScale::cast(known->openObject().get());
  // Looked up first: the lookup may itself add the drawing's scale list, which forgets the
  // drawing's answers.
  const OdDbObjectId id = OdDbAnnotationScaleList::getScale(pDb, name);
  names.remember(pDb, name, id);
  return OdDbAnnotationScale::cast(id.openObject().get());
}

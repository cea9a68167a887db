// Translated texts and icon paths of the module's literal keys, made once per module session.
// The palette asks for the same few hundred texts for every selected object; translating and
// formatting them each time cost more than reading the object. Keys must be string literals (or
// other storage that lives as long as the module): the cache is keyed by their addresses. Like
// the rest of the module, these run on the palette's (main) thread only.
#ifndef KY_TEXTS_H
#define KY_TEXTS_H

#include <cstddef>
#include <memory>
#include <vector>

#include "KyPropertyDescription.h"
#include "KyString.h"
#include "KyVariant.h"

// QCoreApplication::translate(context, key), remembered.
const CKyString& KyTr(const char* context, const char* key);

// Number of the module session whose texts are remembered (KyForgetTexts starts a new one).
extern unsigned g_kyTextSession;

// A literal key whose translation is looked up once per module session and then read directly,
// for the dispatchers that compare a row's name with several keys for every value they read.
// Instances are static objects (constant-initialised, no guard).
class KyText
{
public:
  constexpr KyText(const char* context, const char* key) : m_context(context), m_key(key) {}
  const CKyString& get() const
  {
    if (m_session != g_kyTextSession)
    {
      m_text = &KyTr(m_context, m_key);
      m_session = g_kyTextSession;
    }
    return *m_text;
  }

private:
  const char* m_context;
  const char* m_key;
  mutable const CKyString* m_text = nullptr;
  mutable unsigned m_session = 0;
};

// ":/<folder>/<folder>_<icon>.png" and ":/<folder>/svg_icons/<folder>/<folder>_<icon>.svg", remembered.
const CKyString& KyIconPathOf(const char* folder, const char* icon);
const CKyString& KyDarkIconPathOf(const char* folder, const char* icon);

// A ready choice list (tags and translated texts, current entry `current`) for a table of
// `count` entries at `table`, made by `make` the first time. Lists are immutable once in a
// variant, so the same one serves every object showing that entry.
const CKyVariant& KyChoiceListOf(const void* table, int count, int current, CKyVariant (*make)(const void*, int, int));

// The ready lists of one table, one per current entry (the last slot for "none matched"), made by
// `make` the first time and again in a new module session. KyChoiceListOf keeps one per table
// address; a caller that finds its own table record keeps one in it and spares the lookup.
class KyChoiceLists
{
public:
  const CKyVariant& get(const void* table, int count, int current, CKyVariant (*make)(const void*, int, int))
  {
    const std::size_t slot = current >= 0 && current < count ? static_cast<std::size_t>(current)
                                                               : static_cast<std::size_t>(count);
    if (m_session == g_kyTextSession && slot < m_lists.size())
      if (const CKyVariant* list = m_lists[slot].get())
        return *list;
    return fill(table, count, current, slot, make);
  }

private:
  // A list not made yet in this session: out of line, so that the hits stay small.
  const CKyVariant& fill(const void* table, int count, int current, std::size_t slot,
                         CKyVariant (*make)(const void*, int, int));

  unsigned m_session = 0;
  std::vector<std::unique_ptr<CKyVariant>> m_lists;
};

// A string value for a drawing's text. Consecutive objects mostly show the same text in a row
// (the plot style "ByLayer"), so the last one converted is kept and handed out again.
CKyVariant KyStringValueOf(const OdString& text);

// A description made by `make` the first time it is asked for the pair (first, second), kept for
// the session: per-object rows copy it instead of translating and formatting their texts again.
const CKyPropertyDescriptionImpl& KyPrototypeOf(
  const void* first, const void* second,
  std::unique_ptr<CKyPropertyDescriptionImpl> (*make)(const void* first, const void* second));

// Forgets everything remembered, so that the next session translates again (module unload, or
// a change of language).
void KyForgetTexts();

#endif

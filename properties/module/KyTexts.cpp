// Remembered translations and icon paths.
#include "KyTexts.h"

#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <unordered_map>
#include <vector>

#include <QCoreApplication>

#include "KyPropertyTable.h"

namespace
{
enum class Kind : unsigned
{
  kTranslation,
  kIcon,
  kDarkIcon
};

// An open-addressing table keyed by the key pointers (the texts live in a deque, so references
// handed out stay valid while the table grows). Looked up for nearly every row of every object,
// so a lookup is a multiply, a mask and usually one comparison.
class TextCache
{
public:
  template <class Make>
  const CKyString& get(Kind kind, const char* first, const char* second, Make make)
  {
    if (m_slots.empty())
      m_slots.resize(256);
    std::size_t mask = m_slots.size() - 1;
    for (std::size_t i = hash(kind, first, second) & mask;; i = (i + 1) & mask)
    {
      Slot& slot = m_slots[i];
      if (!slot.text)
        break;
      if (slot.first == first && slot.second == second && slot.kind == kind)
        return *slot.text;
    }
    m_texts.push_back(make());
    if ((m_used + 1) * 2 > m_slots.size())
      grow();
    const CKyString* text = &m_texts.back();
    insert(Slot{kind, first, second, text});
    ++m_used;
    return *text;
  }

  void clear()
  {
    m_slots.clear();
    m_texts.clear();
    m_used = 0;
  }

private:
  struct Slot
  {
    Kind kind;
    const char* first;
    const char* second;
    const CKyString* text;
  };

  static std::size_t hash(Kind kind, const char* first, const char* second)
  {
    const std::uintptr_t h = reinterpret_cast<std::uintptr_t>(first) * 0x9E3779B97F4A7C15ull ^
                             reinterpret_cast<std::uintptr_t>(second) * 0xC2B2AE3D27D4EB4Full ^
                             static_cast<std::uintptr_t>(kind);
    return static_cast<std::size_t>(h ^ (h >> 29));
  }

  void insert(const Slot& entry)
  {
    const std::size_t mask = m_slots.size() - 1;
    std::size_t i = hash(entry.kind, entry.first, entry.second) & mask;
    while (m_slots[i].text)
      i = (i + 1) & mask;
    m_slots[i] = entry;
  }

  void grow()
  {
    std::vector<Slot> old(m_slots.size() * 2, Slot{Kind::kTranslation, nullptr, nullptr, nullptr});
    old.swap(m_slots);
    for (const Slot& entry : old)
      if (entry.text)
        insert(entry);
  }

  std::vector<Slot> m_slots;
  std::deque<CKyString> m_texts;
  std::size_t m_used = 0;
};

// Made when the module is loaded: looked up for nearly every row, so no guard on the way in.
TextCache g_texts;
} // namespace

unsigned g_kyTextSession = 1;

const CKyString& KyTr(const char* context, const char* key)
{
  return g_texts.get(Kind::kTranslation, context, key,
                     [&] { return CKyString(QCoreApplication::translate(context, key)); });
}

const CKyString& KyIconPathOf(const char* folder, const char* icon)
{
  return g_texts.get(Kind::kIcon, folder, icon, [&] { return KyIconPath(folder, icon); });
}

const CKyString& KyDarkIconPathOf(const char* folder, const char* icon)
{
  return g_texts.get(Kind::kDarkIcon, folder, icon, [&] { return KyDarkIconPath(folder, icon); });
}

const CKyVariant& KyChoiceLists::fill(const void* table, int count, int current, std::size_t slot,
                                      CKyVariant (*make)(const void*, int, int))
{
  if (m_session != g_kyTextSession)
  {
    m_lists.clear();
    m_session = g_kyTextSession;
  }
  if (m_lists.size() <= slot)
    m_lists.resize(static_cast<std::size_t>(count) + 1);
  if (!m_lists[slot])
    m_lists[slot] = std::make_unique<CKyVariant>(make(table, count, current));
  return *m_lists[slot];
}

namespace
{
// The lists of every table asked for by address.
class ChoiceCache
{
public:
  const CKyVariant& get(const void* table, int count, int current, CKyVariant (*make)(const void*, int, int))
  {
    // Every choice row of every object comes here: a small direct-mapped front on the table's
    // address spares most of them the hash map. Its entries point into the map, whose elements
    // stay where they are until clear().
    Front& front = m_front[(reinterpret_cast<std::uintptr_t>(table) >> 3) % kFront];
    if (front.table != table)
      refront(front, table);
    return front.lists->get(table, count, current, make);
  }

  void clear()
  {
    m_lists.clear();
    m_front.fill(Front());
  }

private:
  static constexpr std::size_t kFront = 512;
  struct Front
  {
    const void* table = nullptr;
    KyChoiceLists* lists = nullptr;
  };

  // A table not in front: out of line, so that the hits stay small.
  [[gnu::noinline]] void refront(Front& front, const void* table)
  {
    front.table = table;
    front.lists = &m_lists[table];
  }
  std::unordered_map<const void*, KyChoiceLists> m_lists;
  std::array<Front, kFront> m_front{};
};

ChoiceCache& choices()
{
  static ChoiceCache lists;
  return lists;
}
} // namespace

const CKyVariant& KyChoiceListOf(const void* table, int count, int current, CKyVariant (*make)(const void*, int, int))
{
  return choices().get(table, count, current, make);
}

namespace
{
// The texts handed out last, each with its value: a gathered selection reads the same few texts
// in turn (plot style names, dimension prefixes and suffixes, block names), and a miss converts
// the text and allocates its value.
struct RecentString
{
  OdString text;
  CKyVariant value{CKyString()};
};
constexpr int kRecentStrings = 8;
RecentString g_recentStrings[kRecentStrings];
int g_nextRecentString = 0;
} // namespace

CKyVariant KyStringValueOf(const OdString& text)
{
  for (const RecentString& recent : g_recentStrings)
    if (recent.text == text)
      return recent.value;
  RecentString& slot = g_recentStrings[g_nextRecentString];
  g_nextRecentString = (g_nextRecentString + 1) % kRecentStrings;
  slot.value = CKyVariant(CKyString(text));
  slot.text = text;
  return slot.value;
}

namespace
{
// Few entries (one per per-object row of each extension), so a short list searched in order.
struct Prototype
{
  const void* first;
  const void* second;
  std::unique_ptr<CKyPropertyDescriptionImpl> description;
};

std::vector<Prototype>& prototypes()
{
  static std::vector<Prototype> list;
  return list;
}
} // namespace

const CKyPropertyDescriptionImpl& KyPrototypeOf(
  const void* first, const void* second,
  std::unique_ptr<CKyPropertyDescriptionImpl> (*make)(const void* first, const void* second))
{
  // Kinds ask for their rows' prototypes in the same order for every object: the one after the
  // last found is nearly always the one asked for.
  static std::size_t next = 0;
  std::vector<Prototype>& list = prototypes();
  if (next < list.size() && list[next].first == first && list[next].second == second)
    return *list[next++].description;
  for (std::size_t i = 0; i < list.size(); ++i)
    if (list[i].first == first && list[i].second == second)
    {
      next = i + 1;
      return *list[i].description;
    }
  list.push_back(Prototype{first, second, make(first, second)});
  next = list.size();
  return *list.back().description;
}

void KyForgetTexts()
{
  g_texts.clear();
  ++g_kyTextSession;
  for (RecentString& recent : g_recentStrings)
    recent = RecentString();
  g_nextRecentString = 0;
  choices().clear();
  prototypes().clear();
}

// Internal: answers a host service keeps per drawing. The keeper attaches itself to each drawing
// it keeps answers for as a database reactor, so that they go with the drawing; derived keepers
// say which other changes drop them (by calling forget). The host services run on the host's
// main thread, like the palette.
#ifndef KY_DRAWING_ANSWERS_H
#define KY_DRAWING_ANSWERS_H

#include <algorithm>
#include <cstddef>
#include <set>
#include <vector>

#include "DbDatabase.h"
#include "DbDatabaseReactor.h"
#include "RxObjectImpl.h"

template <class Answer>
class KyDrawingAnswers : public OdStaticRxObject<OdDbDatabaseReactor>
{
public:
  void goodbye(const OdDbDatabase* pDb) override
  {
    forget(pDb);
    m_attached.erase(pDb);
  }

protected:
  struct Entry
  {
    const OdDbDatabase* db;
    Answer answer;
  };

  // Keeps an answer for the drawing; references to earlier answers may move, or go: past a few
  // hundred answers (callers asking for names that come and go) all are dropped first.
  Answer& keep(const OdDbDatabase* pDb, const Answer& answer)
  {
    if (m_entries.size() >= kMostAnswers)
      m_entries.clear();
    if (!m_attached.count(pDb))
    {
      pDb->addReactor(this);
      m_attached.insert(pDb);
    }
    m_entries.push_back(Entry{pDb, answer});
    return m_entries.back().answer;
  }

  // Drops the drawing's answers.
  virtual void forget(const OdDbDatabase* pDb)
  {
    m_entries.erase(std::remove_if(m_entries.begin(), m_entries.end(), [&](const Entry& e) { return e.db == pDb; }),
                    m_entries.end());
  }

  std::vector<Entry> m_entries;

private:
  static constexpr std::size_t kMostAnswers = 256;
  std::set<const OdDbDatabase*> m_attached;
};

// Answers that depend on the drawing's objects: dropped when any object of the drawing is added,
// about to change or erased.
template <class Answer>
class KyDrawingObjectAnswers : public KyDrawingAnswers<Answer>
{
public:
  void objectAppended(const OdDbDatabase* pDb, const OdDbObject*) override { this->forget(pDb); }
  void objectOpenedForModify(const OdDbDatabase* pDb, const OdDbObject*) override { this->forget(pDb); }
  void objectErased(const OdDbDatabase* pDb, const OdDbObject*, bool) override { this->forget(pDb); }
};

#endif

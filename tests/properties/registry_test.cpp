// Walks every extension the module attaches: each has rows, each row's icons exist in the
// compiled resource tree, and a row without a setter is read-only.
#include <gtest/gtest.h>

#include <QFile>
#include <set>

#include "KyPropertyBase.h"
#include "KyPropertyPEImpl.h"
#include "KyTestDrawing.h"

namespace
{
class AttachRecorder : public OdRxClassSystemReactor
{
public:
  void extensionAdded(const OdRxClass* c, const OdRxClass* protocol, const OdRxObject* ext) override
  {
    if (protocol == CKyPropertyBase::desc())
      attached.push_back({c, static_cast<CKyPropertyBase*>(const_cast<OdRxObject*>(ext))});
  }
  std::vector<std::pair<const OdRxClass*, CKyPropertyBase*>> attached;
};

// Icon paths spelled outside the ":/<Folder>/<Folder>_<Icon>.png" rule; none yet.
const std::set<QString> kKnownIconExceptions = {};
} // namespace

TEST(Registry, EveryAttachedExtensionHasRowsWithExistingIcons)
{
  AttachRecorder recorder;
  odrxAddClassSystemReactor(&recorder);
  KyModuleSession session;
  odrxRemoveClassSystemReactor(&recorder);
  ASSERT_FALSE(recorder.attached.empty());

  for (const auto& [objectClass, extension] : recorder.attached)
  {
    SCOPED_TRACE(objectClass->name().toUtf8());
    CKyPropertiesContainerImpl container;
    CKyPropertiesContainerImpl* previous = CKyPropertiesContainerImpl::Active();
    CKyPropertiesContainerImpl::SetActive(&container);
    CKyPropertiesContainer* out = &container;
    extension->GetPropertyNames(nullptr, out, objectClass, nullptr, false);
    CKyPropertiesContainerImpl::SetActive(previous);
    EXPECT_GT(container.GetCount(), 0);
    for (int i = 0; i < container.GetCount(); ++i)
    {
      const CKyPropertyDescription* d = container.GetAt(i);
      SCOPED_TRACE(d->GetName().toQString().toStdString());
      if (d->GetCategory().toQString() == "MATCHPROP")
      {
        EXPECT_EQ(d->GetVisibility(), 4u);
        EXPECT_TRUE(d->GetIcon().isEmpty());
        continue;
      }
      for (const CKyString& icon : {d->GetIcon(), d->GetDarkIcon()})
      {
        const bool exists = kKnownIconExceptions.count(icon.toQString()) || QFile::exists(icon.toQString());
        EXPECT_TRUE(exists) << icon.toQString().toStdString();
      }
      if (!d->GetSetMethod())
      {
        EXPECT_EQ(d->GetIsReadOnlyMethod(), &CKyPropertyPEImpl::IsReadOnlyTrue);
      }
      EXPECT_NE(d->GetGetMethod(), nullptr);
    }
  }
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "afx/CDocument.h"
#include "afx/headless/HeadlessPlatform.h"
#include "game/Zintra_winDoc.h"

#include <gtest/gtest.h>

#include <memory>
#include <type_traits>

namespace {

// The document points into its own deck, so a copy would share (and corrupt) the original's.
static_assert(!std::is_copy_constructible_v<CZintra_winDoc>);
static_assert(!std::is_copy_assignable_v<CZintra_winDoc>);
static_assert(!std::is_move_constructible_v<CZintra_winDoc>);
static_assert(!std::is_move_assignable_v<CZintra_winDoc>);

TEST(RuntimeClass, CreatesTheGameDocumentByName)
{
    const CRuntimeClass* runtimeClass = RUNTIME_CLASS(CZintra_winDoc);
    EXPECT_STREQ(runtimeClass->m_lpszClassName, "CZintra_winDoc");

    const std::unique_ptr<CObject> object = runtimeClass->CreateObject();
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(object->GetRuntimeClass(), runtimeClass);
    EXPECT_NE(dynamic_cast<CZintra_winDoc*>(object.get()), nullptr);
}

TEST(RuntimeClass, KnowsItsAncestry)
{
    CZintra_winDoc doc;
    EXPECT_TRUE(doc.IsKindOf(RUNTIME_CLASS(CZintra_winDoc)));
    EXPECT_TRUE(doc.IsKindOf(RUNTIME_CLASS(CDocument)));
    EXPECT_TRUE(doc.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_STREQ(RUNTIME_CLASS(CDocument)->m_lpszClassName, "CDocument");
}

TEST(RuntimeClass, ClassesWithoutACreatorCreateNothing)
{
    EXPECT_EQ(RUNTIME_CLASS(CDocument)->CreateObject(), nullptr);
    EXPECT_FALSE(RUNTIME_CLASS(CDocument)->IsDerivedFrom(RUNTIME_CLASS(CZintra_winDoc)));
}

// A document that records which of the base steps ran.
class ProbeDocument : public CDocument {
public:
    void DeleteContents() override { ++contentsDeleted; }
    int contentsDeleted = 0;
};

TEST(Document, NewDocumentStepClearsContents)
{
    ProbeDocument doc;
    EXPECT_EQ(doc.OnNewDocument(), TRUE);
    EXPECT_EQ(doc.contentsDeleted, 1);
}

TEST(Document, NewGameAsksEveryWindowToRepaint)
{
    HeadlessPlatform platform;
    CZintra_winDoc doc;
    doc.NewGame(3);
    ASSERT_EQ(platform.Log().size(), 1U);
    const HeadlessPlatform::Event& event = platform.Log()[0];
    EXPECT_EQ(event.kind, HeadlessPlatform::Event::Kind::Invalidate);
    EXPECT_EQ(event.window, nullptr);
    EXPECT_TRUE(event.wholeArea);
    EXPECT_EQ(event.erase, TRUE);
}

} // namespace

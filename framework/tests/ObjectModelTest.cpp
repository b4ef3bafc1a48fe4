#include <gtest/gtest.h>

#include <memory>

#include "Framework.h"

namespace {

class CShape : public CObject {
    DECLARE_DYNAMIC(CShape)
};
IMPLEMENT_DYNAMIC(CShape, CObject)

class CCircle : public CShape {
    DECLARE_DYNCREATE(CCircle)
public:
    int radius = 7;
};
IMPLEMENT_DYNCREATE(CCircle, CShape)

class CStoredSquare : public CShape {
    DECLARE_SERIAL(CStoredSquare)
};
IMPLEMENT_SERIAL(CStoredSquare, CShape, 3)

}  // namespace

TEST(ObjectModelTest, KindFollowsTheDeclaredHierarchy) {
    CCircle circle;
    EXPECT_EQ(RUNTIME_CLASS(CCircle), circle.GetRuntimeClass());
    EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CCircle)));
    EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CShape)));
    EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(circle.IsKindOf(RUNTIME_CLASS(CStoredSquare)));

    const CObject& asBase = circle;
    EXPECT_STREQ("CCircle", asBase.GetRuntimeClass()->m_lpszClassName);
    EXPECT_FALSE(RUNTIME_CLASS(CShape)->IsDerivedFrom(RUNTIME_CLASS(CCircle)));
    EXPECT_TRUE(RUNTIME_CLASS(CStoredSquare)->IsDerivedFrom(RUNTIME_CLASS(CObject)));
}

TEST(ObjectModelTest, OnlyDynCreateAndSerialClassesCreateObjects) {
    std::unique_ptr<CObject> made(RUNTIME_CLASS(CCircle)->CreateObject());
    ASSERT_NE(nullptr, made);
    EXPECT_TRUE(made->IsKindOf(RUNTIME_CLASS(CCircle)));
    EXPECT_EQ(7, static_cast<CCircle*>(made.get())->radius);

    std::unique_ptr<CObject> square(RUNTIME_CLASS(CStoredSquare)->CreateObject());
    ASSERT_NE(nullptr, square);
    EXPECT_EQ(RUNTIME_CLASS(CStoredSquare), square->GetRuntimeClass());

    EXPECT_EQ(nullptr, RUNTIME_CLASS(CShape)->CreateObject());
    EXPECT_EQ(nullptr, RUNTIME_CLASS(CObject)->CreateObject());
}

TEST(ObjectModelTest, SchemaMarksSerialClasses) {
    CStoredSquare square;
    CCircle circle;
    EXPECT_TRUE(square.IsSerializable());
    EXPECT_EQ(3u, RUNTIME_CLASS(CStoredSquare)->m_wSchema);
    EXPECT_FALSE(circle.IsSerializable());
}

TEST(ObjectModelTest, ClassesAreFoundByName) {
    EXPECT_EQ(RUNTIME_CLASS(CCircle), CRuntimeClass::FromName("CCircle"));
    EXPECT_EQ(RUNTIME_CLASS(CObject), CRuntimeClass::FromName("CObject"));
    EXPECT_EQ(RUNTIME_CLASS(CFileException), CRuntimeClass::FromName("CFileException"));
    EXPECT_EQ(nullptr, CRuntimeClass::FromName("CNoSuchClass"));
    EXPECT_EQ(nullptr, CRuntimeClass::FromName(nullptr));

    std::unique_ptr<CObject> made(CRuntimeClass::CreateObject("CCircle"));
    ASSERT_NE(nullptr, made);
    EXPECT_TRUE(made->IsKindOf(RUNTIME_CLASS(CCircle)));
    EXPECT_EQ(nullptr, CRuntimeClass::CreateObject("CShape"));
}

#include <gtest/gtest.h>

#include "platform/CObject.h"

namespace {

class CShape : public CObject {
    DECLARE_DYNAMIC(CShape)
};
class CCircle : public CShape {
    DECLARE_DYNCREATE(CCircle)
public:
    int radius = 7;
};
IMPLEMENT_DYNAMIC(CShape, CObject)
IMPLEMENT_DYNCREATE(CCircle, CShape)

} // namespace

TEST(CObject, RuntimeClassesCreateByRecordAndKnowTheirAncestry) {
    CRuntimeClass* rc = RUNTIME_CLASS(CCircle);
    EXPECT_STREQ(rc->m_lpszClassName, "CCircle");
    EXPECT_EQ(CRuntimeClass::FromName("CCircle"), rc);
    EXPECT_EQ(CRuntimeClass::FromName("CSquare"), nullptr);

    CObject* made = rc->CreateObject();
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->GetRuntimeClass(), rc);
    EXPECT_TRUE(made->IsKindOf(RUNTIME_CLASS(CShape)));
    EXPECT_TRUE(made->IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_EQ(static_cast<CCircle*>(made)->radius, 7);
    delete made;

    // A class without dynamic creation gives no object, and a base is not of its derived kind.
    EXPECT_EQ(RUNTIME_CLASS(CShape)->CreateObject(), nullptr);
    CShape shape;
    EXPECT_FALSE(shape.IsKindOf(RUNTIME_CLASS(CCircle)));
}

#include "MORBaseUnknownRfHndlr.h"
#include "TOVGlobalObjectCleaner.h"
#include "TOVMacro.h"
#include "TOVTestSupport.h"

static int gDestroyed = 0;

class Shape : public MORBaseUnknown {
  TOV_DECLARE_CLASS(Shape)
public:
  ~Shape() override { ++gDestroyed; }
};
class Square : public Shape {
  TOV_DECLARE_CLASS(Square)
};
class Circle : public Shape {
  TOV_DECLARE_CLASS(Circle)
};

TOV_IMPLEMENT_CLASS(Shape, MORBaseUnknown)
TOV_IMPLEMENT_CLASS(Square, Shape)
TOV_IMPLEMENT_CLASS(Circle, Shape)

TOV_DECLARE_RFHNDLR(Shape, MORBaseUnknownRfHndlr)
TOV_DECLARE_RFHNDLR(Square, ShapeRfHndlr)

TEST(RefHandler, NoAddRefTakesOverTheReferenceAddRefAndCopiesTakeTheirOwn) {
  gDestroyed = 0;
  {
    ShapeRfHndlr h(TOVRfHndlrNoAddRef, new Shape);
    EXPECT_EQ(h->GetRefCount(), 1);
  }
  EXPECT_EQ(gDestroyed, 1);
  Shape* shape = new Shape;
  {
    ShapeRfHndlr a(TOVRfHndlrAddRef, shape), b(a), c;
    c = b;
    EXPECT_EQ(shape->GetRefCount(), 4);
    EXPECT_TRUE(c == shape);
    ShapeRfHndlr& same = c;
    c = same;
    EXPECT_EQ(shape->GetRefCount(), 4);
  }
  EXPECT_EQ(shape->GetRefCount(), 1);
  EXPECT_EQ(gDestroyed, 1);
  shape->Release();
  EXPECT_EQ(gDestroyed, 2);
}

TEST(RefHandler, SetCountsOnlyRealChangesAndReleasesTheOldObject) {
  gDestroyed = 0;
  Shape* shape = new Shape;
  ShapeRfHndlr h(TOVRfHndlrAddRef, shape);
  for (TOVRfHndlrStateEnum mode : {TOVRfHndlrNoAddRef, TOVRfHndlrAddRef}) {
    EXPECT_EQ(h.Set(mode, shape), shape); // the held pointer again
    EXPECT_EQ(shape->GetRefCount(), 2);
  }
  h.Set(TOVRfHndlrNoAddRef, new Circle);
  EXPECT_EQ(shape->GetRefCount(), 1);
  EXPECT_STREQ(h->IsA(), "Circle");
  EXPECT_EQ(&*h, h.Get());
  shape->Release();
  EXPECT_EQ(h.Set(TOVRfHndlrNoAddRef, nullptr), nullptr);
  EXPECT_EQ(gDestroyed, 2);
  EXPECT_EQ(h.GetpObject(), nullptr);
  EXPECT_TRUE(h == nullptr);
  EXPECT_FALSE(h != nullptr);
}

TEST(RefHandler, TypedHandlersReportTheirManagedClassAndTakeDerivedObjects) {
  ShapeRfHndlr shape;
  MORBaseUnknownRfHndlr any;
  EXPECT_EQ(shape.GetManagedMetaObject(), Shape::MetaObject());
  EXPECT_EQ(SquareRfHndlr().GetManagedMetaObject(), Square::MetaObject());
  EXPECT_EQ(any.GetManagedMetaObject(), MORBaseUnknown::MetaObject());
  shape.Set(TOVRfHndlrNoAddRef, new Square);
  any = MORBaseUnknownRfHndlr(TOVRfHndlrAddRef, shape.Get());
  EXPECT_EQ(shape->GetRefCount(), 2);
}

TEST(RefHandlerDeathTest, EmptyDereferenceAndAnObjectOrHandlerOfTheWrongClassStop) {
  TOVGlobalObjectCleaner cleaner;
  ShapeRfHndlr empty;
  EXPECT_FATAL(empty->IsA(), "xxxRfHndlr::operator->(): Pointer == NULL");
  EXPECT_FATAL((void)&*empty, "xxxRfHndlr::operator*(): Pointer == NULL");
  SquareRfHndlr square;
  ShapeRfHndlr& asShape = square;
  ShapeRfHndlr circle(TOVRfHndlrNoAddRef, new Circle);
  EXPECT_FATAL(asShape.Set(TOVRfHndlrAddRef, circle.Get()),
               "xxxRfHndlr::Set(): the object is a Circle that does'nt derive from Square");
  EXPECT_FATAL(asShape = circle,
               "xxxRfHndlr::operator=(): the handler to copy manage Shape that does'nt derive "
               "from Square");
}

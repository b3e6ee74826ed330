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

TEST(RefHandler, NoAddRefTakesOverTheReferenceAndDestroysTheObject) {
  gDestroyed = 0;
  {
    ShapeRfHndlr h(TOVRfHndlrNoAddRef, new Shape);
    EXPECT_EQ(h->GetRefCount(), 1);
  }
  EXPECT_EQ(gDestroyed, 1);
}

TEST(RefHandler, AddRefLeavesTheCallersReference) {
  gDestroyed = 0;
  Shape* shape = new Shape;
  {
    ShapeRfHndlr h(TOVRfHndlrAddRef, shape);
    EXPECT_EQ(shape->GetRefCount(), 2);
  }
  EXPECT_EQ(shape->GetRefCount(), 1);
  EXPECT_EQ(gDestroyed, 0);
  shape->Release();
  EXPECT_EQ(gDestroyed, 1);
}

TEST(RefHandler, CopiesShareAndReleaseExactlyWhatTheyTook) {
  Shape* shape = new Shape;
  {
    ShapeRfHndlr a(TOVRfHndlrAddRef, shape);
    ShapeRfHndlr b(a);
    ShapeRfHndlr c;
    c = b;
    EXPECT_EQ(shape->GetRefCount(), 4);
    EXPECT_EQ(b.Get(), shape);
    EXPECT_TRUE(c == shape);
    ShapeRfHndlr& same = c;
    c = same;
    EXPECT_EQ(shape->GetRefCount(), 4);
  }
  EXPECT_EQ(shape->GetRefCount(), 1);
  shape->Release();
}

TEST(RefHandler, SetOfTheHeldPointerChangesNoCount) {
  Shape* shape = new Shape;
  ShapeRfHndlr h(TOVRfHndlrAddRef, shape);
  EXPECT_EQ(h.Set(TOVRfHndlrNoAddRef, shape), shape);
  EXPECT_EQ(shape->GetRefCount(), 2);
  EXPECT_EQ(h.Set(TOVRfHndlrAddRef, shape), shape);
  EXPECT_EQ(shape->GetRefCount(), 2);
  h.Set(TOVRfHndlrAddRef, nullptr);
  shape->Release();
}

TEST(RefHandler, SetOfNullReleasesAndEmpties) {
  gDestroyed = 0;
  ShapeRfHndlr h(TOVRfHndlrNoAddRef, new Shape);
  EXPECT_EQ(h.Set(TOVRfHndlrNoAddRef, nullptr), nullptr);
  EXPECT_EQ(gDestroyed, 1);
  EXPECT_EQ(h.Get(), nullptr);
  EXPECT_EQ(h.GetpObject(), nullptr);
  EXPECT_TRUE(h == nullptr);
  EXPECT_FALSE(h != nullptr);
}

TEST(RefHandler, ReplacingReleasesTheOldObject) {
  gDestroyed = 0;
  ShapeRfHndlr h(TOVRfHndlrNoAddRef, new Shape);
  h.Set(TOVRfHndlrNoAddRef, new Circle);
  EXPECT_EQ(gDestroyed, 1);
  EXPECT_STREQ(h->IsA(), "Circle");
  EXPECT_EQ(&*h, h.Get());
}

TEST(RefHandler, TypedHandlersReportTheirManagedClass) {
  ShapeRfHndlr shape;
  SquareRfHndlr square;
  MORBaseUnknownRfHndlr any;
  EXPECT_EQ(shape.GetManagedMetaObject(), Shape::MetaObject());
  EXPECT_EQ(square.GetManagedMetaObject(), Square::MetaObject());
  EXPECT_EQ(any.GetManagedMetaObject(), MORBaseUnknown::MetaObject());
  // A handler of a base class takes any object of a derived class.
  shape.Set(TOVRfHndlrNoAddRef, new Square);
  any = MORBaseUnknownRfHndlr(TOVRfHndlrAddRef, shape.Get());
  EXPECT_EQ(shape->GetRefCount(), 2);
}

TEST(RefHandlerDeathTest, DereferencingAnEmptyHandlerStops) {
  TOVGlobalObjectCleaner cleaner;
  ShapeRfHndlr h;
  EXPECT_FATAL(h->IsA(), "xxxRfHndlr::operator->(): Pointer == NULL");
  EXPECT_FATAL((void)&*h, "xxxRfHndlr::operator*(): Pointer == NULL");
}

TEST(RefHandlerDeathTest, SetThroughABaseHandlerChecksTheDerivedClass) {
  TOVGlobalObjectCleaner cleaner;
  SquareRfHndlr square;
  ShapeRfHndlr& asShape = square;
  Circle* circle = new Circle;
  EXPECT_FATAL(asShape.Set(TOVRfHndlrNoAddRef, circle),
               "xxxRfHndlr::Set(): the object is a Circle that does'nt derive from Square");
  circle->Release();
}

TEST(RefHandlerDeathTest, AssignmentFromAHandlerOfABaseClassStops) {
  TOVGlobalObjectCleaner cleaner;
  SquareRfHndlr square;
  ShapeRfHndlr& asShape = square;
  ShapeRfHndlr shape(TOVRfHndlrNoAddRef, new Circle);
  EXPECT_FATAL(asShape = shape,
               "xxxRfHndlr::operator=(): the handler to copy manage Shape that does'nt derive "
               "from Square");
}

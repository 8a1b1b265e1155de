#include "qor/frame/component.h"

#include <gtest/gtest.h>

#include <memory>

#include "qor/frame/errors.h"
#include "qor/frame/events.h"

namespace qor {
namespace {

// Counts live instances so the tests can see who deleted whom.
class TTracked : public TComponent {
 public:
  explicit TTracked(TComponent* AOwner, int* Live) : TComponent(AOwner), FLive(Live) { ++*FLive; }
  ~TTracked() override { --*FLive; }
  std::string ClassName() const override { return "TTracked"; }

 private:
  int* FLive;
};

class TOther : public TPersistent {
 public:
  std::string ClassName() const override { return "TOther"; }
};

TEST(ComponentTest, OwnerDeletesChildrenAndGrandchildren) {
  int Live = 0;
  auto* Root = new TTracked(nullptr, &Live);
  auto* Child = new TTracked(Root, &Live);
  new TTracked(Child, &Live);
  new TTracked(Root, &Live);
  EXPECT_EQ(Live, 4);
  EXPECT_EQ(Root->ComponentCount(), 2);
  EXPECT_EQ(Child->Owner(), Root);
  delete Root;
  EXPECT_EQ(Live, 0);
}

TEST(ComponentTest, ChildDestroyedFirstLeavesOwnersList) {
  int Live = 0;
  TTracked Root(nullptr, &Live);
  auto* First = new TTracked(&Root, &Live);
  auto* Second = new TTracked(&Root, &Live);
  delete First;
  ASSERT_EQ(Root.ComponentCount(), 1);
  EXPECT_EQ(Root.Components(0), Second);
  EXPECT_EQ(Root.Components(1), nullptr);
  EXPECT_EQ(Root.Components(-1), nullptr);
  auto Owned = std::unique_ptr<TTracked>(new TTracked(nullptr, &Live));
  EXPECT_EQ(Owned->Owner(), nullptr);
}

TEST(ComponentTest, ChildDeletingASiblingDuringTeardownIsSafe) {
  // A child whose destructor deletes a sibling must not leave the owner walking a freed slot.
  class TKiller : public TComponent {
   public:
    TKiller(TComponent* AOwner, TComponent* Victim) : TComponent(AOwner), FVictim(Victim) {}
    ~TKiller() override { delete FVictim; }

   private:
    TComponent* FVictim;
  };
  int Live = 0;
  auto* Root = new TComponent(nullptr);
  auto* Victim = new TTracked(Root, &Live);
  new TKiller(Root, Victim);
  delete Root;
  EXPECT_EQ(Live, 0);
}

TEST(ComponentTest, AssignBetweenUnrelatedClassesRaisesConvertError) {
  TComponent Dest(nullptr);
  TOther Source;
  try {
    Dest.Assign(&Source);
    FAIL() << "no exception";
  } catch (const EQORError&) {
    FAIL() << "a library exception instead of the platform's conversion error";
  } catch (const EConvertError& E) {
    EXPECT_STREQ(E.what(), "Cannot assign a TOther to a TComponent");
  }
  EXPECT_THROW(Dest.Assign(nullptr), EConvertError);
}

TEST(ComponentTest, EventMixinsPassSelfAndArguments) {
  class TEmitter : public TComponent,
                   public TChangeEvents<TEmitter>,
                   public TPercentDoneEvents<TEmitter>,
                   public TSortExchangeEvents<TEmitter> {
   public:
    TEmitter() : TComponent(nullptr) {}
  };
  TEmitter Emitter;
  Emitter.Changed();  // no handler: nothing happens
  TObject* Seen = nullptr;
  int Percent = -1;
  int Exchanges = 0;
  Emitter.OnChange = [&](TObject* Sender) { Seen = Sender; };
  Emitter.OnPercentDone = [&](TObject* Sender, int32_t P) {
    Seen = Sender;
    Percent = P;
  };
  Emitter.OnSortExchange = [&](TObject*, uint8_t What, int32_t I1, int32_t I2, int32_t Lo,
                               int32_t Hi) {
    EXPECT_EQ(What, kExchgRows);
    EXPECT_EQ(I1 * 1000 + I2 * 100 + Lo * 10 + Hi, 3412);
    ++Exchanges;
  };
  Emitter.Changed();
  EXPECT_EQ(Seen, &Emitter);
  TComponent Other(nullptr);
  Emitter.PercDone(&Other, 42);  // the Sender argument is ignored
  EXPECT_EQ(Seen, &Emitter);
  EXPECT_EQ(Percent, 42);
  Emitter.SortExchange(kExchgRows, 3, 4, 1, 2);
  EXPECT_EQ(Exchanges, 1);
}

}  // namespace
}  // namespace qor

#include "qor/frame/component.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "qor/frame/errors.h"
#include "qor/frame/events.h"

namespace qor {
namespace {

// Counts live instances so the tests can see who deleted whom.
class TTracked : public TComponent {
 public:
  explicit TTracked(TComponent* AOwner, int* Live) : TComponent(AOwner), FLive(Live) { ++*FLive; }
  ~TTracked() override { --*FLive; }

 private:
  int* FLive;
};

TEST(ComponentTest, OwnerDeletesChildrenAndGrandchildren) {
  int Live = 0;
  auto* Root = new TTracked(nullptr, &Live);
  auto* Child = new TTracked(Root, &Live);
  new TTracked(Child, &Live);
  new TTracked(Root, &Live);
  EXPECT_EQ(std::tuple(Live, Root->ComponentCount(), Child->Owner()), std::tuple(4, 2, Root));
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
  EXPECT_EQ(std::tuple(Root.Components(0), Root.Components(1), Root.Components(-1)),
            std::tuple(Second, nullptr, nullptr));
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
  class TOther : public TPersistent {
   public:
    std::string ClassName() const override { return "TOther"; }
  };
  TComponent Dest(nullptr);
  TOther Source;
  // The platform's conversion error, not a library one (EConvertError is no EQORError).
  EXPECT_THAT([&] { Dest.Assign(&Source); },
              ::testing::ThrowsMessage<EConvertError>("Cannot assign a TOther to a TComponent"));
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
  std::vector<std::tuple<TObject*, int32_t>> Seen;
  Emitter.OnChange = [&](TObject* Sender) { Seen.emplace_back(Sender, -1); };
  Emitter.OnPercentDone = [&](TObject* Sender, int32_t P) { Seen.emplace_back(Sender, P); };
  Emitter.OnSortExchange = [&](TObject* Sender, uint8_t What, int32_t I1, int32_t I2, int32_t Lo,
                               int32_t Hi) {
    Seen.emplace_back(Sender, What * 10000 + I1 * 1000 + I2 * 100 + Lo * 10 + Hi);  // as digits
  };
  Emitter.Changed();
  TComponent Other(nullptr);
  Emitter.PercDone(&Other, 42);  // the Sender argument is ignored
  Emitter.SortExchange(kExchgRows, 3, 4, 1, 2);
  EXPECT_EQ(Seen, (std::vector<std::tuple<TObject*, int32_t>>{
                      {&Emitter, -1}, {&Emitter, 42}, {&Emitter, 23412}}));
}

}  // namespace
}  // namespace qor

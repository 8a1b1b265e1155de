// The object, persistent and component base classes shared by every component.
//
// TComponent has a Name, an optional owner and a list of the components it owns. An owner
// deletes what it owns when it is destroyed; a component destroyed first leaves its owner's
// list. Owned components are created with new and never deleted by whoever created them.
// Components are neither copyable nor movable: identity matters to owners and events.
//
// Assign copies the content of a source of the same class; between unrelated classes it raises
// EConvertError "Cannot assign a <source class> to a <destination class>".
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qor {

class TObject {
 public:
  virtual ~TObject() = default;
  // The documented class name ("TMatrix", "TVector", ...); used in messages.
  virtual std::string ClassName() const { return "TObject"; }
};

class TPersistent : public TObject {
 public:
  std::string ClassName() const override { return "TPersistent"; }

  // Copies Source into this object. The base form lets Source try AssignTo and raises
  // EConvertError when neither class knows the other.
  virtual void Assign(const TPersistent* Source);

 protected:
  // Copies this object into Dest; the base form raises EConvertError.
  virtual void AssignTo(TPersistent* Dest) const;
  // Raises "Cannot assign a <Source class or nil> to a <this class>".
  [[noreturn]] void AssignError(const TPersistent* Source) const;
};

class TComponent : public TPersistent {
 public:
  explicit TComponent(TComponent* AOwner);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  std::string ClassName() const override { return "TComponent"; }

  const std::string& Name() const { return FName; }
  void SetName(std::string AName) { FName = std::move(AName); }
  TComponent* Owner() const { return FOwner; }
  int32_t ComponentCount() const { return static_cast<int32_t>(FComponents.size()); }
  // The owned component at 0-based position Index (nullptr outside the list).
  TComponent* Components(int32_t Index) const;

 private:
  void InsertComponent(TComponent* Child);
  void RemoveComponent(TComponent* Child);

  std::string FName;
  TComponent* FOwner = nullptr;
  std::vector<TComponent*> FComponents;
};

}  // namespace qor

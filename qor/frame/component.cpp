#include "qor/frame/component.h"

#include <algorithm>

#include "qor/frame/errors.h"

namespace qor {

void TPersistent::Assign(const TPersistent* Source) {
  if (Source == nullptr) AssignError(nullptr);
  Source->AssignTo(this);
}

void TPersistent::AssignTo(TPersistent* Dest) const { Dest->AssignError(this); }

void TPersistent::AssignError(const TPersistent* Source) const {
  const std::string SourceName = Source != nullptr ? Source->ClassName() : "nil";
  throw EConvertError("Cannot assign a " + SourceName + " to a " + ClassName());
}

TComponent::TComponent(TComponent* AOwner) {
  if (AOwner != nullptr) AOwner->InsertComponent(this);
}

TComponent::~TComponent() {
  // Each child is unlinked before it is deleted, so its own destructor finds no owner to
  // update and a child that deletes siblings cannot disturb this walk.
  while (!FComponents.empty()) {
    TComponent* Child = FComponents.back();
    FComponents.pop_back();
    Child->FOwner = nullptr;
    delete Child;
  }
  if (FOwner != nullptr) FOwner->RemoveComponent(this);
}

TComponent* TComponent::Components(int32_t Index) const {
  if (Index < 0 || Index >= ComponentCount()) return nullptr;
  return FComponents[static_cast<size_t>(Index)];
}

void TComponent::InsertComponent(TComponent* Child) {
  FComponents.push_back(Child);
  Child->FOwner = this;
}

void TComponent::RemoveComponent(TComponent* Child) {
  auto It = std::find(FComponents.begin(), FComponents.end(), Child);
  if (It != FComponents.end()) FComponents.erase(It);
  Child->FOwner = nullptr;
}

}  // namespace qor

#include "app/AuditionHold.h"

#include <algorithm>
#include <vector>

namespace tonalyx {
namespace {
// The controls that hold a note right now; few at a time, so a vector will do.
std::vector<AuditionHold*>& Held() {
  static std::vector<AuditionHold*> held;
  return held;
}

void Forget(AuditionHold* hold) { std::erase(Held(), hold); }
}  // namespace

AuditionHold::AuditionHold(std::function<void()> endNote) : endNote_(std::move(endNote)) {}

AuditionHold::~AuditionHold() { Forget(this); }

void AuditionHold::Started() {
  if (pending_++ == 0) Held().push_back(this);
}

void AuditionHold::MouseUp() {
  if (pending_ > 0 && --pending_ == 0) Forget(this);
  endNote_();
}

void AuditionHold::EndAll() {
  while (pending_ > 0) MouseUp();
}

void AuditionHold::EndAllHeld() {
  // Copy first: ending a note removes the control from the list.
  const std::vector<AuditionHold*> held = Held();
  for (AuditionHold* hold : held) hold->EndAll();
}

}  // namespace tonalyx

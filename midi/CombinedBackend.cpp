#include "midi/CombinedBackend.h"

#include <utility>

namespace tonalyx {

CombinedBackend::CombinedBackend(std::unique_ptr<MidiBackend> first,
                                 std::unique_ptr<MidiBackend> second)
    : first_(std::move(first)), second_(std::move(second)) {}

CombinedBackend::~CombinedBackend() { Close(); }

int CombinedBackend::FirstCount() {
  if (!first_count_) first_count_ = first_->DeviceCount();
  return *first_count_;
}

int CombinedBackend::DeviceCount() {
  first_count_ = first_->DeviceCount();
  return *first_count_ + second_->DeviceCount();
}

std::optional<std::string> CombinedBackend::DeviceName(int id) {
  if (id < 0) return std::nullopt;
  const int split = FirstCount();
  return id < split ? first_->DeviceName(id) : second_->DeviceName(id - split);
}

bool CombinedBackend::Open(int id) {
  Close();
  if (id < 0) return false;
  const int split = FirstCount();
  MidiBackend& target = id < split ? *first_ : *second_;
  if (!target.Open(id < split ? id : id - split)) return false;
  open_ = &target;
  return true;
}

void CombinedBackend::Close() {
  if (open_ == nullptr) return;
  open_->Close();
  open_ = nullptr;
}

bool CombinedBackend::Reset() { return open_ != nullptr && open_->Reset(); }

void CombinedBackend::SendShort(std::uint32_t message) {
  if (open_ != nullptr) open_->SendShort(message);
}

void CombinedBackend::SendSysEx(std::span<const std::uint8_t> bytes) {
  if (open_ != nullptr) open_->SendSysEx(bytes);
}

void CombinedBackend::Preload(std::span<const std::uint32_t> press) {
  if (auto* preloading = dynamic_cast<TonePreloading*>(open_)) preloading->Preload(press);
}

}  // namespace tonalyx

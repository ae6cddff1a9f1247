#include "files/WriteBehind.h"

#include <zlib.h>

namespace files {

WriteBehind::WriteBehind(const FileHandle* out, size_t bufferSize)
    : out_(out),
      bufferSize_(bufferSize),
      buffers_{std::unique_ptr<uint8_t[]>(new uint8_t[bufferSize])},
      crc_(crc32(0, nullptr, 0)) {}

WriteBehind::~WriteBehind() {
  if (!worker_.joinable()) return;
  {
    std::lock_guard lock(mutex_);
    stop_ = true;
  }
  changed_.notify_all();
  worker_.join();
}

bool WriteBehind::WriteNow(const uint8_t* data, size_t n) {
  crc_ = crc32(crc_, data, static_cast<uInt>(n));
  return !out_ || out_->WriteAll(data, n);
}

bool WriteBehind::WaitIdle() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return pending_ == nullptr; });
  return !failed_;
}

bool WriteBehind::Hand(size_t n) {
  if (!WaitIdle()) return false;
  if (n == 0) return true;
  // The first buffer is written at once: an entry of one buffer does not pay for a thread.
  if (!firstWritten_) {
    firstWritten_ = true;
    failed_ = !WriteNow(Buffer(), n);
    return !failed_;
  }
  if (!worker_.joinable()) {
    buffers_[1].reset(new uint8_t[bufferSize_]);
    worker_ = std::thread([this] { Work(); });
  }
  {
    std::lock_guard lock(mutex_);
    pending_ = buffers_[current_].get();
    pendingSize_ = n;
  }
  changed_.notify_all();
  current_ = 1 - current_;
  return true;
}

bool WriteBehind::Finish() { return WaitIdle(); }

void WriteBehind::Work() {
  std::unique_lock lock(mutex_);
  for (;;) {
    // Whatever was handed is written before the worker stops, as an ordinary writer would have.
    changed_.wait(lock, [this] { return pending_ != nullptr || stop_; });
    if (!pending_) return;
    const uint8_t* data = pending_;
    const size_t n = pendingSize_;
    const bool skip = failed_;
    lock.unlock();
    bool ok = true;
    if (!skip) ok = WriteNow(data, n);
    lock.lock();
    failed_ = failed_ || !ok;
    pending_ = nullptr;
    changed_.notify_all();
  }
}

}  // namespace files

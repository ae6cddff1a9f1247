#pragma once
// An entry's extracted bytes checked (CRC-32) and written on a thread of their own, while the next
// buffer is inflated: the check and the disk then cost next to nothing beside the inflation.
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>

#include "files/FileHandle.h"

namespace files {

class WriteBehind {
 public:
  // Writes to `out`, or only checks when it is null, from buffers of `bufferSize` bytes (a second one
  // with the thread).
  WriteBehind(const FileHandle* out, size_t bufferSize);
  // Waits for the buffer being written: nothing is left writing to the file once it is gone.
  // The thread is started with the second buffer.
  ~WriteBehind();
  WriteBehind(const WriteBehind&) = delete;
  WriteBehind& operator=(const WriteBehind&) = delete;

  // The buffer to fill now; another one after each Hand.
  uint8_t* Buffer() const { return buffers_[current_].get(); }
  // Hands the first n bytes of Buffer() on, once the buffer handed before has been written;
  // false when a write has failed (nothing more is written then).
  bool Hand(size_t n);
  // Waits until everything handed is written; false when a write has failed.
  bool Finish();
  // The CRC-32 of every byte handed; meaningful after Finish.
  uint32_t Crc() const { return crc_; }

 private:
  void Work();
  bool WaitIdle();
  bool WriteNow(const uint8_t* data, size_t n);

  const FileHandle* out_;
  size_t bufferSize_;
  std::unique_ptr<uint8_t[]> buffers_[2];
  int current_ = 0;
  std::mutex mutex_;
  std::condition_variable changed_;
  const uint8_t* pending_ = nullptr;  // handed and not yet written
  size_t pendingSize_ = 0;
  bool failed_ = false, stop_ = false, firstWritten_ = false;
  uint32_t crc_;
  std::thread worker_;
};

}  // namespace files

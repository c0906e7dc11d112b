#pragma once

#include <array>
#include <streambuf>

namespace platform {

// An output stream buffer on a file descriptor (standard output) that keeps
// the system's error: a stream on it fails as soon as a write fails (a full
// disk, /dev/full, a reader that has closed the pipe), and Error() tells why.
// Broken pipes must be reported as EPIPE, not raised as SIGPIPE, for the error
// to be seen here.
class DescriptorBuffer final : public std::streambuf {
 public:
  explicit DescriptorBuffer(int descriptor) : descriptor_(descriptor) {
    setp(buffer_.data(), buffer_.data() + buffer_.size());
  }
  DescriptorBuffer(const DescriptorBuffer&) = delete;
  DescriptorBuffer& operator=(const DescriptorBuffer&) = delete;

  // Returned: the errno of the first failed write, 0 while every write succeeded.
  int Error() const { return error_; }

 protected:
  int_type overflow(int_type character) override;
  int sync() override;

 private:
  // Writes what is buffered; false once a write has failed.
  bool Drain();

  int descriptor_;
  int error_ = 0;
  std::array<char, 1 << 16> buffer_{};
};

}  // namespace platform

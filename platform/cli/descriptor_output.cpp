#include "platform/cli/descriptor_output.h"

#include <unistd.h>

#include <cerrno>

namespace platform {

bool DescriptorBuffer::Drain() {
  const char* next = pbase();
  while (error_ == 0 && next < pptr()) {
    const ssize_t written = ::write(descriptor_, next, static_cast<std::size_t>(pptr() - next));
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      error_ = written < 0 ? errno : EIO;
      break;
    }
    next += written;
  }
  setp(buffer_.data(), buffer_.data() + buffer_.size());
  return error_ == 0;
}

DescriptorBuffer::int_type DescriptorBuffer::overflow(int_type character) {
  if (!Drain()) return traits_type::eof();
  if (traits_type::eq_int_type(character, traits_type::eof())) return traits_type::not_eof(0);
  *pptr() = traits_type::to_char_type(character);
  pbump(1);
  return character;
}

int DescriptorBuffer::sync() {
  return Drain() ? 0 : -1;
}

}  // namespace platform

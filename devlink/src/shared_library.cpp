#include "devlink/shared_library.h"

#include <utility>

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace devlink {

SharedLibrary::~SharedLibrary() {
  close();
}

SharedLibrary::SharedLibrary(SharedLibrary &&other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)), error_(std::move(other.error_)) {}

SharedLibrary &SharedLibrary::operator=(SharedLibrary &&other) noexcept {
  if (this != &other) {
    close();
    handle_ = std::exchange(other.handle_, nullptr);
    error_ = std::move(other.error_);
  }
  return *this;
}

#if defined(_WIN32)

bool SharedLibrary::open(const std::string &fileName) {
  close();
  const int length = MultiByteToWideChar(CP_UTF8, 0, fileName.c_str(), -1, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 1), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, fileName.c_str(), -1, wide.data(), length);
  handle_ = reinterpret_cast<void *>(LoadLibraryW(wide.c_str()));
  error_ =
      handle_ ? std::string() : "LoadLibraryW failed with error " + std::to_string(GetLastError());
  return handle_ != nullptr;
}

void *SharedLibrary::symbol(const char *name) const {
  if (handle_ == nullptr) {
    return nullptr;
  }
  return reinterpret_cast<void *>(GetProcAddress(static_cast<HMODULE>(handle_), name));
}

void SharedLibrary::close() {
  if (handle_ != nullptr) {
    FreeLibrary(static_cast<HMODULE>(handle_));
    handle_ = nullptr;
  }
}

#else

bool SharedLibrary::open(const std::string &fileName) {
  close();
  handle_ = dlopen(fileName.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle_ == nullptr) {
    const char *message = dlerror();
    error_ = message ? message : "dlopen failed";
  } else {
    error_.clear();
  }
  return handle_ != nullptr;
}

void *SharedLibrary::symbol(const char *name) const {
  return handle_ ? dlsym(handle_, name) : nullptr;
}

void SharedLibrary::close() {
  if (handle_ != nullptr) {
    dlclose(handle_);
    handle_ = nullptr;
  }
}

#endif

} // namespace devlink

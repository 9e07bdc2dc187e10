#pragma once

// Loads a shared library by bare file name and resolves entry points:
// LoadLibraryW/GetProcAddress/FreeLibrary on Windows, dlopen/dlsym/dlclose
// elsewhere. The platform's own search order applies; programs carry an
// $ORIGIN run path so that the library beside them is found first.

#include <string>

namespace devlink {

class SharedLibrary {
public:
  SharedLibrary() = default;
  ~SharedLibrary();
  SharedLibrary(const SharedLibrary &) = delete;
  SharedLibrary &operator=(const SharedLibrary &) = delete;
  SharedLibrary(SharedLibrary &&other) noexcept;
  SharedLibrary &operator=(SharedLibrary &&other) noexcept;

  // Loads `fileName` (UTF-8); a library already held is released first.
  bool open(const std::string &fileName);
  bool isOpen() const { return handle_ != nullptr; }
  // Address of an exported symbol, or nullptr.
  void *symbol(const char *name) const;
  template <typename Fn> Fn resolve(const char *name) const {
    return reinterpret_cast<Fn>(symbol(name));
  }
  // Leaves the library loaded for the rest of the process.
  void release() { handle_ = nullptr; }
  void close();
  // The loader's message for the last failed open.
  const std::string &lastError() const { return error_; }

private:
  void *handle_ = nullptr;
  std::string error_;
};

} // namespace devlink

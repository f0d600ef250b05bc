#pragma once

#include <string>

// A fresh folder under the system's temporary folder, removed with its content.
class TemporaryFolder {
  public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

  private:
    std::string path_;
};

// The file's bytes, or "<missing>".
std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);
// The sorted names in the folder, hidden ones included, each followed by ";".
std::string ListFolder(const std::string& path);

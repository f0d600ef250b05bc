#pragma once

#include <filesystem>
#include <string>
#include <vector>

// One document to check, in the order of the command line.
struct InputFile {
    std::string path;     // as shown in every output; "-" for stdin
    std::string error;    // set when a folder could not be walked
    std::string skipped;  // why it is not read: .quillory.toml leaves out a file named
                          // on its own, or a link in a folder was not followed
};

// Which files a folder holds for checking.
struct FileSelection {
    std::vector<std::string> include;  // globs; none takes *.txt, *.md, *.markdown and *.mdx
    std::vector<std::string> exclude;
    std::filesystem::path globFolder;  // the globs match paths relative to it
};

// Files and "-" as given, those the selection leaves out marked skipped;
// folders walked recursively, hidden folders left out, their files sorted by
// path. Links to folders are followed, each real folder read once: a second
// link to one, a link back up the walk and a link to nothing are marked skipped.
std::vector<InputFile> CollectInputFiles(const std::vector<std::string>& paths,
                                         const FileSelection& selection);

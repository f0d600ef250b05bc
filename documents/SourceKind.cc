#include "documents/SourceKind.h"

SourceKind SourceKindOf(const std::filesystem::path& path) {
    const std::filesystem::path extension = path.extension();
    if (extension == ".md" || extension == ".markdown") {
        return SourceKind::Markdown;
    }
    return extension == ".mdx" ? SourceKind::Mdx : SourceKind::Text;
}

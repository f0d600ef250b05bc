#pragma once

#include <filesystem>

// How a document is read: as plain text, or for the prose in its Markdown
// (MDX: Markdown whose import and export lines and {…} expressions are code).
enum class SourceKind { Text, Markdown, Mdx };

// By the name's suffix: ".md" and ".markdown" are Markdown, ".mdx" MDX, all else text.
SourceKind SourceKindOf(const std::filesystem::path& path);

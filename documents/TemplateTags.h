#pragma once

#include <string_view>
#include <vector>

#include "documents/ByteRange.h"

// What static-site generators fill in before a page is shown, never prose:
// shortcodes ({{< name >}}, {{% name %}}, each closed by {{< /name >}} or
// self-closing as {{< name />}}), Go template actions ({{ … }}) and Liquid or
// Jinja tags ({% … %}), outside fenced and inline code; none holds a blank
// line. Where a tag's body is code or data (highlight, code-toggle, raw, …),
// the body goes with its tags. Ascending; a range may span lines.
std::vector<ByteRange> TemplateTagRanges(std::string_view utf8);

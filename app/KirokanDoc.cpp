#include "app/KirokanDoc.h"

#include <unistd.h>

#include <climits>

#include "app/RecentFileList.h"
#include "platform/Codec.h"
#include "res/ResourceIds.h"
#include "res/Strings.h"

std::string ResolveDocumentPath(std::string_view name) {
    if (!name.empty() && name.front() == '/') return std::string(name);
    char cwd[PATH_MAX];
    if (!::getcwd(cwd, sizeof cwd)) return std::string(name);
    std::string dir = platform::Utf8ToCp932(cwd);
    if (dir.empty() || dir.back() != '/') dir += '/';
    return dir + std::string(name);
}

std::string PathTitle(std::string_view path) {
    // '/' is never a trail byte of a double-byte character.
    const auto slash = path.rfind('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string UntitledTitle(int n) {
    // Field 1 of the document string is the document name.
    return res::LoadStringField(res::IDR_KIROKATYPE, 1) + std::to_string(n);
}

bool CKirokanDoc::OnNewDocument(std::string_view untitledTitle) {
    m_pathName.clear();
    SetTitle(untitledTitle);
    return true;
}

void CKirokanDoc::SetTitle(std::string_view title) {
    if (m_title == title) return;
    m_title = title;
    if (m_titleChanged) m_titleChanged();
}

bool CKirokanDoc::OnOpenDocument(std::string_view name) {
    SetPathName(name, true);
    return true;
}

void CKirokanDoc::SetPathName(std::string_view name, bool addToRecent) {
    m_pathName = ResolveDocumentPath(name);
    SetTitle(PathTitle(m_pathName));
    if (addToRecent && m_recent) m_recent->Add(m_pathName);
}

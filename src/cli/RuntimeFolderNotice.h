#pragma once

namespace corvanel::cli {

// Qt says on every start that XDG_RUNTIME_DIR is not set (a su or sudo
// shell, a cron job, a container) and picks a folder of its own; nothing of
// ours keeps anything there, so the notice only alarms. While an instance
// lives that one notice is dropped; every other message goes where it went.
class RuntimeFolderNoticeFilter {
public:
    RuntimeFolderNoticeFilter();
    ~RuntimeFolderNoticeFilter();
    RuntimeFolderNoticeFilter(const RuntimeFolderNoticeFilter&) = delete;
    RuntimeFolderNoticeFilter& operator=(const RuntimeFolderNoticeFilter&) = delete;
};

}  // namespace corvanel::cli

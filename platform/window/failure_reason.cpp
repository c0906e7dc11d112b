#include "platform/window/failure_reason.h"

#include <cerrno>

namespace platform {
namespace {

// The system's refusals a classroom's computer meets when it writes a file,
// by their error numbers (errno(3)).
struct SystemReason {
  int errorNumber;
  const char* japanese;
};
constexpr SystemReason kSystemReasons[] = {
    {ENOSPC, "ディスクに空きがありません"},
    {EDQUOT, "ディスクの使用量が上限（クォータ）に達しています"},
    {EFBIG, "ファイルが大きすぎます"},
    {EROFS, "読み取り専用のディスクです"},
    {EACCES, "書き込みが許可されていません"},
    {EPERM, "操作が許可されていません"},
    {ENOENT, "フォルダーがありません"},
    {ENOTDIR, "パスの途中にフォルダーでないファイルがあります"},
    {EISDIR, "同じ名前のフォルダーがあります"},
    {ENAMETOOLONG, "ファイル名が長すぎます"},
    {EIO, "ディスクの読み書きでエラーが起きました"},
    {EMFILE, "開いているファイルが多すぎます"},
    {ENFILE, "システム全体で開いているファイルが多すぎます"},
    {EBUSY, "ファイルが使用中です"},
    {ETXTBSY, "ファイルが使用中です"},
    {ELOOP, "シンボリックリンクが循環しています"},
};

}  // namespace

QString JapaneseReason(const FileFailure& failure) {
  switch (failure.cause) {
    case FileFailure::Cause::kNotPictureName:
      return QStringLiteral("ファイル名が .png、.svg、.pdf のどれでも終わっていません");
    case FileFailure::Cause::kNotDrawn:
      return QStringLiteral("星図を描けませんでした");
    case FileFailure::Cause::kSystem:
      break;
  }
  for (const SystemReason& reason : kSystemReasons) {
    if (reason.errorNumber == failure.errorNumber) return QString::fromUtf8(reason.japanese);
  }
  return QString::fromStdString(failure.text);
}

}  // namespace platform

#pragma once
// Enumerations and options of the zip component, in the order and with the values its users rely on.
#include <cstdint>

namespace files {

enum class TZACompressionLevel { clNone, clFastest, clNormal, clMax };
enum class TZAProcessOperation {
  poAdd, poMove, poDelete, poUpdate, poExtract, poTest, poRename, poChangeAttr, poChangeComment
};
enum class TZAProgressPhase { ppStart, ppProcess, ppEnd };
// What to do after a failure on one file.
enum class TZAAction { fxaRetry, fxaIgnore, fxaAbort };
enum class TZAOverwriteMode { omPrompt, omAlways, omNever, omIfNewer, omIfOlder };
enum class TZAStorePathMode { spNoPath, spRelativePath, spFullPath, spFullPathWithDrive };
enum class TZASpanningMode { smNone, smSpanning, smSplitting };
enum class TZip64Mode { zmDisabled, zmAuto, zmAlways };
enum class TZAShareMode {
  smShareCompat, smShareExclusive, smShareDenyWrite, smShareDenyRead, smShareDenyNone
};

// Windows attribute bits as stored in an entry's external attributes.
namespace attr {
inline constexpr uint32_t ReadOnly = 0x1, Hidden = 0x2, System = 0x4, Volume = 0x8, Directory = 0x10,
                          Archive = 0x20, Normal = 0x80;
inline constexpr uint32_t Compressed = 0x800, NotContentIndexed = 0x2000;
// Every kind of file and folder entry a request takes.
inline constexpr uint16_t AnyFile =
    ReadOnly | Hidden | System | Volume | Directory | Archive | Normal | Compressed | NotContentIndexed;
static_assert(AnyFile == 10431);
}  // namespace attr

struct TZAOptions {
  bool Recurse = true;
  TZAStorePathMode StorePath = TZAStorePathMode::spRelativePath;
  TZAShareMode ShareMode = TZAShareMode::smShareDenyNone;
  TZAOverwriteMode OverwriteMode = TZAOverwriteMode::omAlways;
  bool CreateDirs = true;
  bool ReplaceReadOnly = true;
  bool SetAttributes = true;
  uint16_t SearchAttr = attr::AnyFile;
  bool FlushBuffers = true;
  bool OEMFileNames = true;
};

}  // namespace files

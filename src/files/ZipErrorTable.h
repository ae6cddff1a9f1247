#pragma once
// The one table of the zip component's failures: name, code, message. Codes that share a text
// share it on purpose (callers tell them apart by code); texts are the component's own, typos
// included. Expanded into the code enumeration and the message lookup.
#define PRATILO_ZIP_INDEX "Index out of bounds"
#define PRATILO_ZIP_BLANK "File name is blank. Specify appropriate file name"
#define PRATILO_ZIP_NOT_FOUND "File \"%s\" not found"
#define PRATILO_ZIP_NOT_OPEN "Archive is not open"
#define PRATILO_ZIP_CREATE "Cannot create file \"%s\""
#define PRATILO_ZIP_NOT_STARTED "Internal error. Update is not started"
#define PRATILO_ZIP_ZIP64 "Cannot compress file '%s'. Zip64 mode is not enabled"
#define PRATILO_ZIP_OPEN_ARCHIVE "Cannot open archive file. Opening aborted or invalid file"

#define PRATILO_ZIP_ERRORS(X)                                                                               \
  X(Unknown, 0, "Unknown error")                                                                            \
  X(IndexOutOfBounds1, 1, PRATILO_ZIP_INDEX)                                                                \
  X(IndexOutOfBounds2, 2, PRATILO_ZIP_INDEX)                                                                \
  X(IndexOutOfBounds3, 3, PRATILO_ZIP_INDEX)                                                                \
  X(IndexOutOfBounds4, 4, PRATILO_ZIP_INDEX)                                                                \
  X(InvalidMode, 5, "Invalid compression mode. Mode must be in [0-9] range")                                \
  X(NilPointer, 6, "Unexpected nil pointer")                                                                \
  X(IndexOutOfBounds7, 7, PRATILO_ZIP_INDEX)                                                                \
  X(CorruptedEntry, 8, "Invalid size or check sum of file or unsupported compression format")               \
  X(BlankFileName, 9, PRATILO_ZIP_BLANK)                                                                    \
  X(BlankFileName10, 10, PRATILO_ZIP_BLANK)                                                                 \
  X(FileNotFound, 11, PRATILO_ZIP_NOT_FOUND)                                                                \
  X(FileNotFound12, 12, PRATILO_ZIP_NOT_FOUND)                                                              \
  X(NotOpen, 13, PRATILO_ZIP_NOT_OPEN)                                                                      \
  X(NotOpen14, 14, PRATILO_ZIP_NOT_OPEN)                                                                    \
  X(FileNotFound15, 15, PRATILO_ZIP_NOT_FOUND)                                                              \
  X(IndexOutOfBounds16, 16, PRATILO_ZIP_INDEX)                                                              \
  X(NoSfxStub, 17, "SFXStub property is not specified")                                                     \
  X(FileNotFound18, 18, PRATILO_ZIP_NOT_FOUND)                                                              \
  X(CannotCreateFile, 19, PRATILO_ZIP_CREATE)                                                               \
  X(CannotCreateDir, 20, "Cannot create directory \"%s\"")                                                  \
  X(IndexOutOfBounds21, 21, PRATILO_ZIP_INDEX)                                                              \
  X(UpdateNotStarted, 22, PRATILO_ZIP_NOT_STARTED)                                                          \
  X(CannotCreateFile23, 23, PRATILO_ZIP_CREATE)                                                             \
  X(IndexOutOfBounds24, 24, PRATILO_ZIP_INDEX)                                                              \
  X(UpdateNotStarted25, 25, PRATILO_ZIP_NOT_STARTED)                                                        \
  X(UpdateNotEnded, 26, "Cannot proceed when update is not ended. Preceding EndUpdate call is required.")   \
  X(CannotDeleteFile, 27, "Cannot delete file \"%s\"")                                                      \
  X(InMemoryOnly, 28, "In-memory archive can be created only")                                              \
  X(BlankFileName29, 29, PRATILO_ZIP_BLANK)                                                                 \
  X(FileNotFound30, 30, PRATILO_ZIP_NOT_FOUND)                                                              \
  X(FileNotFound31, 31, PRATILO_ZIP_NOT_FOUND)                                                              \
  X(ReadOnlyArchive, 32, "File is open in read-only mode")                                                  \
  X(CannotOpenFile, 33, "Cannot open file \"%s\"")                                                          \
  X(InvalidCompressedSize, 34, "Invalid compressed size, rfs.size = %d, count = %d")                        \
  X(InvalidArchive, 35, "Invalid archive file.")                                                            \
  X(CannotCreateOutput, 36,                                                                                 \
    "Cannot create output file. Probably file is locked by another process. FileName = '%s'.")              \
  X(ArchiveIsOpen, 37, "Archive is open. You should close it beore performing this operation.")             \
  X(FileNotFound38, 38, PRATILO_ZIP_NOT_FOUND)                                                              \
  X(UnableToCreateDir, 39, "Unable to create directory")                                                    \
  X(NoZip64End, 40, "Cannot find Zip64 directory end record")                                               \
  X(Zip64CompressedSize, 41, PRATILO_ZIP_ZIP64)                                                             \
  X(FileNotFound42, 42, PRATILO_ZIP_NOT_FOUND)                                                              \
  X(Zip64FileSize, 43, PRATILO_ZIP_ZIP64)                                                                   \
  X(CannotOpenArchive, 44, PRATILO_ZIP_OPEN_ARCHIVE)                                                        \
  X(CannotOpenArchive45, 45, PRATILO_ZIP_OPEN_ARCHIVE)                                                      \
  X(WriteError, 46, "Write to stream error")                                                                \
  X(SfxVolumeTooSmall, 47, "Cannot place SFX stub on volume. Volume size limit is too small")               \
  X(Damaged, 48, "Archive is damaged. Open failed")                                                         \
  X(SfxNotAllowed, 49,                                                                                      \
    "MakeSFX is not allowed for splitted or spanned archives. Set SFXStub before archive creation instead " \
    "of MakeSFX")                                                                                           \
  X(HasSfxStub, 50, "Archive already has SFX stub")                                                         \
  X(MultiVolume, 51, "Multi-volume archive is not allowed for custom stream")                               \
  X(MultiSpanned, 52,                                                                                       \
    "Multi-spanned archive is not allowed for modification. Use BeginUpdate/EndUpdate methods to add "      \
    "files several times")                                                                                  \
  X(FileNotFound53, 53, PRATILO_ZIP_NOT_FOUND)                                                              \
  X(FileNotFound54, 54, PRATILO_ZIP_NOT_FOUND)                                                              \
  X(Deflate64, 55, "Deflate64 compression method is not supported")

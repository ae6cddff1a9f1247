#include "e2e/support/Scene.h"

#include <windows.h>

#include <mutex>

#include "support/Text.h"
#include "support/Build.h"
#include "e2e/support/Process.h"
#include "e2e/support/ZipReader.h"
#include "support/RegistryFixture.h"

namespace e2e {

using testing_support::BuildPath;

namespace {

using testing_support::ReadFileBytes;
using testing_support::WriteFileBytes;

const wchar_t kSettingsKey[] = L"Software\\Nuvra Soft\\Pratilo";
const wchar_t kFS9Key[] = L"Software\\Microsoft\\Microsoft Games\\Flight Simulator\\9.0";
const wchar_t kFSXKey[] = L"Software\\Microsoft\\Microsoft Games\\Flight Simulator\\10.0";

void MakeFolders(const std::string& path) {
  for (size_t at = path.find('\\', 3); at != std::string::npos; at = path.find('\\', at + 1))
    CreateDirectoryW(testing_support::Widen(path.substr(0, at)).c_str(), nullptr);
}

void Collect(const std::wstring& root, const std::wstring& relative, std::map<std::string, std::string>& files) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((root + relative + L"*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    std::wstring name = found.cFileName;
    if (name == L"." || name == L"..") continue;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
      Collect(root, relative + name + L"\\", files);
    else
      files[testing_support::Narrow(relative + name)] = ReadFileBytes(testing_support::Narrow(root + relative + name));
  } while (FindNextFileW(search, &found));
  FindClose(search);
}

struct Payload {
  std::string path;
  std::map<std::string, std::string> entries;
};

// Made once per test program: packing the artwork takes a few seconds.
const Payload& ThePayload() {
  static Payload payload;
  static std::once_flag once;
  std::call_once(once, [] {
    std::string built = BuildPath("bin\\Pratilo.bin");
    if (testing_support::FileExists(built)) {
      payload.path = built;
    } else {
      static testing_support::TempFolder folder("e2e-payload");
      payload.path = folder / "Pratilo.bin";
      ChildProcess zip;
      if (zip.Start(BuildPath("bin\\ziptool.exe"),
                    "add \"" + payload.path + "\" \"" + BuildPath("artwork\\payload") + "\" *.bmp", true))
        zip.WaitExit(120000);
    }
    if (auto entries = ReadZip(ReadFileBytes(payload.path)))
      for (ZipEntry& e : *entries) payload.entries[e.name] = std::move(e.data);
  });
  return payload;
}

}  // namespace

std::map<std::string, std::string> SimulatorFolder::Snapshot() const {
  std::map<std::string, std::string> files;
  Collect(testing_support::Widen(main), L"", files);
  return files;
}

const std::string& PayloadPath() { return ThePayload().path; }

std::string PayloadEntry(const std::string& name) {
  auto found = ThePayload().entries.find(name);
  return found == ThePayload().entries.end() ? std::string() : found->second;
}

std::string MakeBitmap(size_t bytes, unsigned seed) {
  const uint32_t width = 1024;
  uint32_t height = static_cast<uint32_t>(bytes / (width * 3)) + 1;
  std::string data(54 + static_cast<size_t>(width) * height * 3, '\0');
  auto put32 = [&](size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) data[at + static_cast<size_t>(i)] = static_cast<char>(v >> (8 * i));
  };
  data[0] = 'B';
  data[1] = 'M';
  put32(2, static_cast<uint32_t>(data.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, width);
  put32(22, height);
  data[26] = 1;
  data[28] = 24;
  // Grass-like noise: compresses to about half, like a real texture.
  uint32_t state = seed * 2654435761u + 1;
  for (size_t i = 54; i < data.size(); ++i) {
    state = state * 1664525u + 1013904223u;
    data[i] = static_cast<char>(0x40 + ((state >> 24) & 0x3F) + (i % 3) * 0x20);
  }
  return data;
}

struct Scene::SavedMachineValue {
  std::wstring key, name;
  bool existed = false;
  DWORD type = 0;
  std::wstring data;

  SavedMachineValue(std::wstring k, std::wstring n, const std::string& value) : key(std::move(k)), name(std::move(n)) {
    existed = testing_support::GetRawValue(HKEY_LOCAL_MACHINE, key, name, type, data);
    std::wstring wide = testing_support::Widen(value);
    testing_support::SetRawValue(HKEY_LOCAL_MACHINE, key, name, REG_SZ, wide.c_str(),
                                 static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t)));
  }
  ~SavedMachineValue() {
    if (existed) {
      testing_support::SetRawValue(HKEY_LOCAL_MACHINE, key, name, type, data.c_str(),
                                   static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
      return;
    }
    HKEY k = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_SET_VALUE | KEY_WOW64_32KEY, &k) == ERROR_SUCCESS) {
      RegDeleteValueW(k, name.c_str());
      RegCloseKey(k);
    }
  }
};

Scene::Scene(const Options& options) : temp_("e2e") {
  testing_support::ClearSettings("Pratilo");
  std::string program = temp_ / "Program\\";
  MakeFolders(program);
  exe_ = program + "Pratilo.exe";
  CopyFileW(testing_support::Widen(BuildPath("bin\\Pratilo.exe")).c_str(), testing_support::Widen(exe_).c_str(), FALSE);
  if (options.payload) CopyFileW(testing_support::Widen(PayloadPath()).c_str(), testing_support::Widen(program + "Pratilo.bin").c_str(), FALSE);

  // Folder names with blanks, as under Program Files.
  fsx_.main = temp_ / "Microsoft Games\\Flight Simulator X\\";
  fs9_.main = temp_ / "Microsoft Games\\FS 2004\\";
  originalFSX_ = MakeBitmap(options.originalSize, 10);
  originalFS9_ = MakeBitmap(options.originalSize, 9);
  for (Sim sim : {Sim::FS9, Sim::FSX}) {
    MakeFolders(Folder(sim).TextureFolder());
    WriteFileBytes(Folder(sim).main + (sim == Sim::FS9 ? "FS9.exe" : "FSX.exe"), "MZ");
    ResetFolder(sim);
  }
  // FSX writes its folder with a trailing backslash, FS2004 without.
  savedFSX_ = std::make_unique<SavedMachineValue>(kFSXKey, L"SetupPath", fsx_.main);
  savedFS9_ = std::make_unique<SavedMachineValue>(kFS9Key, L"EXE Path", fs9_.main.substr(0, fs9_.main.size() - 1));
}

Scene::~Scene() { testing_support::ClearSettings("Pratilo"); }

void Scene::ResetFolder(Sim sim) const {
  const SimulatorFolder& f = Folder(sim);
  testing_support::RemoveTree(f.Backup());
  WriteFileBytes(f.Texture(), Original(sim));
}

void Scene::Register(Sim sim, const std::string& folder) const {
  const std::wstring wide = testing_support::Widen(folder);
  testing_support::SetRawValue(HKEY_LOCAL_MACHINE, sim == Sim::FS9 ? kFS9Key : kFSXKey,
                               sim == Sim::FS9 ? L"EXE Path" : L"SetupPath", REG_SZ, wide.c_str(),
                               static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t)));
}

std::string Setting(const std::string& name) {
  DWORD type = 0;
  std::wstring data;
  if (!testing_support::GetRawValue(HKEY_CURRENT_USER, kSettingsKey, testing_support::Widen(name), type, data)) return "<missing>";
  while (!data.empty() && data.back() == L'\0') data.pop_back();
  return testing_support::Narrow(data);
}

void SetSetting(const std::string& name, const std::string& value) {
  std::wstring wide = testing_support::Widen(value);
  testing_support::SetRawValue(HKEY_CURRENT_USER, kSettingsKey, testing_support::Widen(name), REG_SZ, wide.c_str(),
                               static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t)));
}


std::map<std::string, std::string> RememberedChoices() {
  std::map<std::string, std::string> values;
  for (const char* name : {"Langue", "FS", "DossierFS9", "DossierFSX", "cfgFS9", "cfgFSX", "accepte"})
    values[name] = Setting(name);
  return values;
}

}  // namespace e2e

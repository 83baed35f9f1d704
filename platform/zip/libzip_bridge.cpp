#include "platform/zip/libzip_bridge.h"

#include <zip.h>

namespace ziplib {

struct Reader::Handle {
  zip_t* archive = nullptr;
};

Reader::Reader(const std::string& path) : handle_(std::make_unique<Handle>()) {
  int error = 0;
  handle_->archive = zip_open(path.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &error);
}

Reader::~Reader() {
  if (handle_->archive != nullptr) zip_discard(handle_->archive);
}

bool Reader::IsOpen() const { return handle_->archive != nullptr; }

long long Reader::EntryCount() const { return zip_get_num_entries(handle_->archive, 0); }

bool Reader::Info(std::uint64_t index, EntryInfo& info) const {
  const char* name = zip_get_name(handle_->archive, index, 0);
  zip_stat_t stat;
  zip_stat_init(&stat);
  if (name == nullptr || zip_stat_index(handle_->archive, index, 0, &stat) != 0) return false;
  info = EntryInfo{};
  info.name = name;
  zip_uint8_t system = 0;
  zip_uint32_t attributes = 0;
  if (zip_file_get_external_attributes(handle_->archive, index, 0, &system, &attributes) == 0 &&
      system == ZIP_OPSYS_UNIX) {
    info.unixMode = attributes >> 16;
  }
  info.sizeKnown = (stat.valid & ZIP_STAT_SIZE) != 0;
  info.size = stat.size;
  info.encrypted = (stat.valid & ZIP_STAT_ENCRYPTION_METHOD) != 0 &&
                   stat.encryption_method != ZIP_EM_NONE;
  return true;
}

ReadResult Reader::Read(std::uint64_t index,
                        const std::function<bool(const char*, std::size_t)>& sink) const {
  zip_file_t* entry = zip_fopen_index(handle_->archive, index, 0);
  if (entry == nullptr) return ReadResult::Unreadable;
  std::vector<char> block(64 * 1024);
  ReadResult result = ReadResult::Done;
  for (;;) {
    zip_int64_t n = zip_fread(entry, block.data(), block.size());
    if (n == 0) break;
    if (n < 0) {
      result = ReadResult::Unreadable;
      break;
    }
    if (!sink(block.data(), static_cast<std::size_t>(n))) {
      result = ReadResult::Stopped;
      break;
    }
  }
  if (zip_fclose(entry) != 0 && result == ReadResult::Done) result = ReadResult::Unreadable;
  return result;
}

namespace {

zip_int64_t Add(zip_t* archive, const NewEntry& entry) {
  if (entry.folder) return zip_dir_add(archive, entry.name.c_str(), ZIP_FL_ENC_UTF_8);
  zip_source_t* source = zip_source_buffer(archive, entry.data->data(), entry.data->size(), 0);
  if (source == nullptr) return -1;
  zip_int64_t index = zip_file_add(archive, entry.name.c_str(), source, ZIP_FL_ENC_UTF_8);
  if (index < 0) zip_source_free(source);
  return index;
}

std::string Discarded(zip_t* archive, const std::string& what) {
  std::string reason = what + ": " + zip_strerror(archive);
  zip_discard(archive);
  return reason;
}

}  // namespace

std::string WriteEntries(const std::string& path, const std::vector<NewEntry>& entries) {
  int error = 0;
  zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  if (archive == nullptr) return path + ": cannot create";
  for (const NewEntry& entry : entries) {
    zip_int64_t index = Add(archive, entry);
    if (index < 0 ||
        zip_file_set_external_attributes(archive, static_cast<zip_uint64_t>(index), 0,
                                         ZIP_OPSYS_UNIX, entry.unixMode << 16) != 0) {
      return Discarded(archive, entry.name);
    }
  }
  if (zip_close(archive) != 0) return Discarded(archive, path);
  return {};
}

}  // namespace ziplib

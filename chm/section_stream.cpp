#include "chm/section_stream.h"

#include <algorithm>

namespace chm {

SectionStream::SectionStream(std::ostream& out, SectionStreamOptions options)
    : out_(out), options_(std::move(options)) {
    max_workers_ = options_.threads ? options_.threads : std::max(1u, std::thread::hardware_concurrency());
    // Enough intervals in flight that no worker waits for a slow one before it to be written.
    slots_.resize(size_t{3} * max_workers_);
    pending_.reserve(kLzxIntervalBytes);
}

SectionStream::~SectionStream() {
    {
        std::lock_guard lock(mutex_);
        closing_ = true;
    }
    work_.notify_all();
    for (auto& t : workers_) t.join();
}

tess::Status SectionStream::Append(std::string_view bytes) {
    if (!failed_) return failed_;
    while (!bytes.empty()) {
        const size_t n = std::min(bytes.size(), kLzxIntervalBytes - pending_.size());
        pending_.append(bytes.substr(0, n));
        bytes.remove_prefix(n);
        size_ += n;
        if (pending_.size() < kLzxIntervalBytes) break;
        if (auto ok = Submit(kLzxIntervalBytes); !ok) return ok;
    }
    return {};
}

tess::Status SectionStream::Finish() {
    if (!failed_) return failed_;
    const uint64_t stream = FrameCount(size_) * kLzxFrameBytes;
    for (uint64_t start = fed_ * kLzxIntervalBytes; start < stream; start += kLzxIntervalBytes) {
        const size_t data_end = pending_.size();
        pending_.resize(static_cast<size_t>(std::min<uint64_t>(kLzxIntervalBytes, stream - start)), '\0');
        if (auto ok = Submit(data_end); !ok) return ok;
    }
    // A thread the workers leave unused codes the rest here; a small section then waits for no
    // thread to start.
    while (workers_.size() < max_workers_ && CodeOneHere()) {
    }
    while (written_ < fed_)
        if (auto ok = WriteNext(); !ok) return ok;
    out_.flush();
    if (!out_) return failed_ = tess::Error{"The compiled file could not be written."};
    return {};
}

tess::Status SectionStream::Submit(size_t data_end) {
    if (options_.stopped && options_.stopped()) return failed_ = tess::Error{"The compilation was stopped."};
    while (fed_ - written_ >= slots_.size())
        if (auto ok = WriteNext(); !ok) return ok;
    Slot& slot = slots_[fed_ % slots_.size()];
    slot.input.swap(pending_);
    pending_.clear();
    slot.data_end = data_end;
    slot.ready = false;
    ++fed_;
    {
        std::lock_guard lock(mutex_);
        queued_ = fed_;
    }
    // Workers start as intervals wait, the first only once a second one does.
    if (workers_.size() < max_workers_ && workers_.size() + 1 < fed_ - written_) workers_.emplace_back([this] { Work(); });
    work_.notify_one();
    while (written_ < fed_ && NextReady())
        if (auto ok = WriteNext(); !ok) return ok;
    return {};
}

bool SectionStream::NextReady() {
    std::lock_guard lock(mutex_);
    return slots_[written_ % slots_.size()].ready;
}

tess::Status SectionStream::WriteNext() {
    Slot& slot = slots_[written_ % slots_.size()];
    {
        std::unique_lock lock(mutex_);
        done_.wait(lock, [&] { return slot.ready; });
    }
    for (uint64_t offset : slot.coded.frame_offsets) frame_offsets_.push_back(compressed_ + offset);
    out_.write(slot.coded.bytes.data(), static_cast<std::streamsize>(slot.coded.bytes.size()));
    compressed_ += slot.coded.bytes.size();
    slot.coded = CodedInterval{};
    ++written_;
    if (!out_) return failed_ = tess::Error{"The compiled file could not be written."};
    if (options_.written) options_.written(std::min(size_, written_ * kLzxIntervalBytes));
    return {};
}

bool SectionStream::CodeOneHere() {
    Slot* slot;
    {
        std::lock_guard lock(mutex_);
        if (taken_ == queued_) return false;
        slot = &slots_[taken_++ % slots_.size()];
    }
    if (!coder_) coder_.emplace(options_.level);
    CodedInterval coded = coder_->Code(slot->input, slot->data_end);
    std::lock_guard lock(mutex_);
    slot->coded = std::move(coded);
    slot->ready = true;
    return true;
}

void SectionStream::Work() {
    IntervalCoder coder(options_.level);
    std::unique_lock lock(mutex_);
    for (;;) {
        work_.wait(lock, [&] { return closing_ || taken_ < queued_; });
        if (closing_) return;
        Slot& slot = slots_[taken_++ % slots_.size()];
        lock.unlock();
        CodedInterval coded = coder.Code(slot.input, slot.data_end);
        lock.lock();
        slot.coded = std::move(coded);
        slot.ready = true;
        done_.notify_all();
    }
}

}  // namespace chm

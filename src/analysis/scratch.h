// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <cstddef>
#include <memory>
#include <memory_resource>
#include <vector>

namespace tavolix::analysis {

template <class T>
using Vector = std::pmr::vector<T>;

// Memory that one analysis after another works in. An analysis builds tens
// of thousands of hands and shoes and drops them all at its end; fresh pages
// for each would cost more than the counting (a page fault each, several
// times over on a virtual machine). So an analysis takes its memory from a
// buffer kept from the last one, grown to what that one needed.
// One scratch serves one thread.
class AnalysisScratch {
  public:
    AnalysisScratch() = default;
    AnalysisScratch(const AnalysisScratch&) = delete;
    AnalysisScratch& operator=(const AnalysisScratch&) = delete;

  private:
    friend class ScratchArena;
    // Left uninitialised: the arena hands it out before anything reads it,
    // and zeroing tens of megabytes would touch every page for nothing.
    std::unique_ptr<std::byte[]> buffer_;
    std::size_t size_ = 0;
};

// The memory of one analysis: the scratch's buffer first, then the heap,
// whose share the scratch's buffer takes on for the next analysis. Every
// container that uses it must go before it does.
class ScratchArena {
  public:
    explicit ScratchArena(AnalysisScratch& scratch);
    ~ScratchArena();
    ScratchArena(const ScratchArena&) = delete;
    ScratchArena& operator=(const ScratchArena&) = delete;

    std::pmr::memory_resource* resource() { return &arena_; }

  private:
    // The heap behind the buffer, counting what it hands out.
    class Overflow : public std::pmr::memory_resource {
      public:
        std::size_t bytes = 0;

      private:
        void* do_allocate(std::size_t size, std::size_t alignment) override;
        void do_deallocate(void* at, std::size_t size, std::size_t alignment) override;
        bool do_is_equal(const std::pmr::memory_resource& other) const noexcept override {
            return this == &other;
        }
    };

    AnalysisScratch& scratch_;
    Overflow overflow_;
    std::pmr::monotonic_buffer_resource arena_;
};

}  // namespace tavolix::analysis

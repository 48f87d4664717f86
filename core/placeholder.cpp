// Keeps the library non-empty until the units land.
namespace { [[maybe_unused]] int qorvanePlaceholder = 0; }

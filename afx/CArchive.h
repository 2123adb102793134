// The framework's archive: what a document's Serialize reads from or writes to. Nothing this
// program shows is ever stored, so an archive carries only its direction.
#pragma once

class CArchive {
public:
    enum Mode { store = 0, load = 1 };

    explicit CArchive(Mode mode)
        : m_mode(mode)
    {}

    bool IsStoring() const { return m_mode == store; }
    bool IsLoading() const { return m_mode == load; }

private:
    Mode m_mode;
};

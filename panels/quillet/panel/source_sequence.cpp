// SourceSequence: the hand-over from one part to the next and the forwarding to the part in hand.
#include "source_sequence.h"

#include "scan_job.h"

void SourceSequence::Add(Part part)
{
    if (part.source)
        m_parts.push_back(std::move(part));
}

void SourceSequence::Attach(ScanJob& job)
{
    m_job = &job;
    for (Part& part : m_parts)
        part.source->Attach(job);
}

void SourceSequence::Enter(Part& part)
{
    if (part.entered)
        part.entered();
    if (m_job && !part.label.empty())
        m_job->OnFileName(part.label);
}

void SourceSequence::Leave(Part& part, bool completed)
{
    if (m_job && !part.label.empty())
        m_job->OnLeaveFileName();
    if (part.left)
        part.left(completed);
}

bool SourceSequence::StartFrom(size_t index)
{
    m_active = false;
    for (; index < m_parts.size() && !m_stopped; ++index) {
        Part& part = m_parts[index];
        Enter(part);
        if (part.source->First()) {
            m_current = index;
            m_active = true;
            return true;
        }
        Leave(part, !m_stopped && !(m_job && m_job->Cancelled()));
    }
    return false;
}

bool SourceSequence::First()
{
    m_stopped = false;
    return StartFrom(0);
}

bool SourceSequence::Next()
{
    if (!m_active || m_stopped)
        return false;
    Part& part = m_parts[m_current];
    if (part.source->Next())
        return true;
    m_active = false;
    // A part left because the run was stopped or cancelled did not see all of its items.
    Leave(part, !m_stopped && !(m_job && m_job->Cancelled()));
    return StartFrom(m_current + 1);
}

void SourceSequence::Stop()
{
    m_stopped = true;
    if (ScanItemSource* current = Current())
        current->Stop();
}

ScanItemSource* SourceSequence::Current() const
{
    return m_active && m_current < m_parts.size() ? m_parts[m_current].source.get() : nullptr;
}

std::string SourceSequence::FullPath() const
{
    ScanItemSource* current = Current();
    return current ? current->FullPath() : std::string();
}

std::string SourceSequence::Name() const
{
    ScanItemSource* current = Current();
    return current ? current->Name() : std::string();
}

bool SourceSequence::IsFile() const
{
    ScanItemSource* current = Current();
    return current && current->IsFile();
}

bool SourceSequence::AcceptForScan()
{
    ScanItemSource* current = Current();
    return current && current->AcceptForScan();
}

void SourceSequence::ItemDone()
{
    if (ScanItemSource* current = Current())
        current->ItemDone();
}

void SourceSequence::ShowCurrentItem(const std::string& text)
{
    if (ScanItemSource* current = Current())
        current->ShowCurrentItem(text);
}

void SourceSequence::ShowDirectory()
{
    if (ScanItemSource* current = Current())
        current->ShowDirectory();
}

void SourceSequence::DetectionOccurred()
{
    if (ScanItemSource* current = Current())
        current->DetectionOccurred();
}

std::string SourceSequence::MessageInformation() const
{
    ScanItemSource* current = Current();
    return current ? current->MessageInformation() : std::string();
}

HANDLE SourceSequence::OpenFile()
{
    ScanItemSource* current = Current();
    if (!current) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    return current->OpenFile();
}

void SourceSequence::CloseFile(HANDLE file)
{
    if (ScanItemSource* current = Current())
        current->CloseFile(file);
}

bool SourceSequence::IsProtected() const
{
    // Nothing in hand is nothing to change.
    ScanItemSource* current = Current();
    return !current || current->IsProtected();
}

bool SourceSequence::CanDelete()
{
    ScanItemSource* current = Current();
    return current && current->CanDelete();
}

bool SourceSequence::Delete()
{
    ScanItemSource* current = Current();
    return current && current->Delete();
}

bool SourceSequence::CanPurge()
{
    ScanItemSource* current = Current();
    return current && current->CanPurge();
}

bool SourceSequence::Purge()
{
    ScanItemSource* current = Current();
    return current && current->Purge();
}

bool SourceSequence::CanMove(const std::string& directory)
{
    ScanItemSource* current = Current();
    return current && current->CanMove(directory);
}

bool SourceSequence::Move(const std::string& directory)
{
    ScanItemSource* current = Current();
    return current && current->Move(directory);
}

bool SourceSequence::CanRename(const std::string& extension)
{
    ScanItemSource* current = Current();
    return current && current->CanRename(extension);
}

bool SourceSequence::Rename(const std::string& extension)
{
    ScanItemSource* current = Current();
    return current && current->Rename(extension);
}

bool SourceSequence::CanRenameAndMove(const std::string& directory, const std::string& extension)
{
    ScanItemSource* current = Current();
    return current && current->CanRenameAndMove(directory, extension);
}

bool SourceSequence::RenameAndMove(const std::string& directory, const std::string& extension)
{
    ScanItemSource* current = Current();
    return current && current->RenameAndMove(directory, extension);
}

bool SourceSequence::CanCure()
{
    ScanItemSource* current = Current();
    return current && current->CanCure();
}

HANDLE SourceSequence::OpenForCure()
{
    ScanItemSource* current = Current();
    return current ? current->OpenForCure() : INVALID_HANDLE_VALUE;
}

void SourceSequence::CloseAfterCure(HANDLE file, bool cured)
{
    if (ScanItemSource* current = Current())
        current->CloseAfterCure(file, cured);
}

void SourceSequence::RecordOutcome(ScanJob& job, int action, int result)
{
    if (ScanItemSource* current = Current())
        current->RecordOutcome(job, action, result);
}

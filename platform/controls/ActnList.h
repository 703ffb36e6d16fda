#pragma once
// Action lists and the actions kept in them: caption, checked and enabled state, hint, help
// context, image, shortcut and visibility that every client of an action shows, and the links
// through which the action hands each change to its clients.
#include <vector>

#include "platform/classes/Actions.h"

class TCustomImageList;

// A key with its Shift, Ctrl and Alt bits, as menu items take it.
using TShortCut = Word;
class TContainedAction;

// Actions kept together, with the image list their image indexes refer to.  A form description
// writes the actions inside their list.
class TCustomActionList : public TComponent {
    DECLARE_CLASS(TCustomActionList, TComponent)
public:
    explicit TCustomActionList(TComponent* AOwner);
    ~TCustomActionList() override;
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* Value);
    Integer ActionCount() const { return static_cast<Integer>(FActions.size()); }
    TContainedAction* Actions(Integer Index) const { return FActions.at(Index); }
    void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    friend class TContainedAction;
    std::vector<TContainedAction*> FActions;
    TCustomImageList* FImages = nullptr;
};

class TActionList : public TCustomActionList {
    DECLARE_CLASS(TActionList, TCustomActionList)
public:
    using TCustomActionList::TCustomActionList;
};

// An action that belongs to an action list (its parent in a form description).
class TContainedAction : public TBasicAction {
    DECLARE_CLASS(TContainedAction, TBasicAction)
public:
    explicit TContainedAction(TComponent* AOwner);
    ~TContainedAction() override;
    TCustomActionList* ActionList() const { return FActionList; }
    void SetActionList(TCustomActionList* Value);
    const String& Category() const { return FCategory; }
    void SetCategory(const String& Value) { FCategory = Value; }

    bool HasParent() const override { return FActionList != nullptr; }
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* Value) override;

private:
    TCustomActionList* FActionList = nullptr;
    String FCategory;
};

class TCustomAction : public TContainedAction {
    DECLARE_CLASS(TCustomAction, TContainedAction)
public:
    using TContainedAction::TContainedAction;

    // Brings the state up to date (OnUpdate); a disabled action runs nothing.  With AutoCheck
    // the action first turns Checked over (a checked action of a group stays checked).
    bool Execute() override;

    // Each change goes first to every client whose value is still linked to the action, then the
    // action takes the value.
    bool AutoCheck() const { return FAutoCheck; }
    void SetAutoCheck(bool Value);
    const String& Caption() const { return FCaption; }
    void SetCaption(const String& Value);
    // Checking an action of a group (GroupIndex > 0) unchecks the others of its list and group.
    bool Checked() const { return FChecked; }
    void SetChecked(bool Value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    Integer GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(Integer Value);
    Integer HelpContext() const { return FHelpContext; }
    void SetHelpContext(Integer Value);
    const String& Hint() const { return FHint; }
    void SetHint(const String& Value);
    Integer ImageIndex() const { return FImageIndex; }
    void SetImageIndex(Integer Value);
    TShortCut ShortCut() const { return FShortCut; }
    void SetShortCut(TShortCut Value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);

private:
    template <class V, class L>
    void Assign(V& field, const V& value, L tellLink);
    bool FAutoCheck = false;
    String FCaption;
    bool FChecked = false;
    bool FEnabled = true;
    Integer FGroupIndex = 0;
    Integer FHelpContext = 0;
    String FHint;
    Integer FImageIndex = -1;
    TShortCut FShortCut = 0;
    bool FVisible = true;
};

class TAction : public TCustomAction {
    DECLARE_CLASS(TAction, TCustomAction)
public:
    using TCustomAction::TCustomAction;
};

// A client's link to a TCustomAction.  Here every value of such an action counts as linked and
// the setters do nothing; a client's link answers whether its own value still is the action's and
// takes the new value then.
class TActionLink : public TBasicActionLink {
    DECLARE_CLASS(TActionLink, TBasicActionLink)
public:
    virtual bool IsCaptionLinked() const { return IsCustomAction(); }
    virtual bool IsCheckedLinked() const { return IsCustomAction(); }
    virtual bool IsEnabledLinked() const { return IsCustomAction(); }
    virtual bool IsGroupIndexLinked() const { return IsCustomAction(); }
    virtual bool IsHelpContextLinked() const { return IsCustomAction(); }
    virtual bool IsHintLinked() const { return IsCustomAction(); }
    virtual bool IsImageIndexLinked() const { return IsCustomAction(); }
    virtual bool IsShortCutLinked() const { return IsCustomAction(); }
    virtual bool IsVisibleLinked() const { return IsCustomAction(); }
    virtual void SetAutoCheck(bool Value) { (void)Value; }
    virtual void SetCaption(const String& Value) { (void)Value; }
    virtual void SetChecked(bool Value) { (void)Value; }
    virtual void SetEnabled(bool Value) { (void)Value; }
    virtual void SetGroupIndex(Integer Value) { (void)Value; }
    virtual void SetHelpContext(Integer Value) { (void)Value; }
    virtual void SetHint(const String& Value) { (void)Value; }
    virtual void SetImageIndex(Integer Value) { (void)Value; }
    virtual void SetShortCut(TShortCut Value) { (void)Value; }
    virtual void SetVisible(bool Value) { (void)Value; }

protected:
    // The linked action as a TCustomAction (null for another kind or none).
    TCustomAction* CustomAction() const;
    bool IsCustomAction() const { return CustomAction() != nullptr; }
};

// Publishes the action list and the action for form descriptions and registers their classes.
void RegisterActionClasses();

{*******************************************************}
{                                                       }
{       Quillmap 2 sample class library                 }
{       ComCtrls unit: the Windows 95 common controls   }
{                                                       }
{*******************************************************}

unit ComCtrls;

interface

uses SysUtils, Classes, Graphics, Menus, Controls, Forms, StdCtrls;

type
  THitTest = (htAbove, htBelow, htNowhere, htOnItem, htOnButton, htOnIcon,
    htOnIndent, htOnLabel, htOnRight, htOnStateIcon, htToLeft, htToRight);
  THitTests = set of THitTest;

  ETreeViewError = class(Exception);
  EListViewError = class(Exception);

  { TCustomTabControl }
  TTabChangingEvent = procedure(Sender: TObject;
    var AllowChange: Boolean) of object;
  TTabPosition = (tpTop, tpBottom);

  TCustomTabControl = class(TWinControl)
  private
    FCanvas: TCanvas;
    FHotTrack: Boolean;
    FImages: TCustomImageList;
    FImageChangeLink: TChangeLink;
    FMultiLine: Boolean;
    FOwnerDraw: Boolean;
    FRaggedRight: Boolean;
    FSaveTabIndex: Integer;
    FSaveTabs: TStringList;
    FScrollOpposite: Boolean;
    FTabPosition: TTabPosition;
    FTabs: TStrings;
    FTabSize: TSmallPoint;
    FUpdating: Boolean;
    FOnChange: TNotifyEvent;
    FOnChanging: TTabChangingEvent;
    function GetDisplayRect: TRect;
    function GetTabIndex: Integer;
    procedure ImageListChange(Sender: TObject);
    function InternalSetMultiLine(Value: Boolean): Boolean;
    procedure SetHotTrack(Value: Boolean);
    procedure SetImages(Value: TCustomImageList);
    procedure SetMultiLine(Value: Boolean);
    procedure SetOwnerDraw(Value: Boolean);
    procedure SetRaggedRight(Value: Boolean);
    procedure SetScrollOpposite(Value: Boolean);
    procedure SetTabHeight(Value: Smallint);
    procedure SetTabPosition(Value: TTabPosition);
    procedure SetTabs(Value: TStrings);
    procedure SetTabWidth(Value: Smallint);
    procedure TabsChanged;
    procedure UpdateTabSize;
    procedure CMFontChanged(var Message: TMessage); message CM_FONTCHANGED;
    procedure CMSysColorChange(var Message: TMessage); message CM_SYSCOLORCHANGE;
    procedure CMTabStopChanged(var Message: TMessage); message CM_TABSTOPCHANGED;
    procedure CNNotify(var Message: TWMNotify); message CN_NOTIFY;
    procedure CMDialogChar(var Message: TCMDialogChar); message CM_DIALOGCHAR;
    procedure WMDestroy(var Message: TWMDestroy); message WM_DESTROY;
    procedure WMNotifyFormat(var Message: TMessage); message WM_NOTIFYFORMAT;
    procedure WMSize(var Message: TMessage); message WM_SIZE;
  protected
    procedure AdjustClientRect(var Rect: TRect); virtual;
    function CanChange: Boolean; dynamic;
    function CanShowTab(TabIndex: Integer): Boolean; virtual;
    procedure Change; dynamic;
    procedure CreateParams(var Params: TCreateParams); override;
    procedure CreateWnd; override;
    procedure DestroyWnd; override;
    procedure DrawTab(TabIndex: Integer; const Rect: TRect; Active: Boolean); virtual;
    function GetImageIndex(TabIndex: Integer): Integer; virtual;
    procedure Loaded; override;
    procedure UpdateTabImages;
    property DisplayRect: TRect read GetDisplayRect;
    property HotTrack: Boolean read FHotTrack write SetHotTrack default False;
    property Images: TCustomImageList read FImages write SetImages;
    property MultiLine: Boolean read FMultiLine write SetMultiLine default False;
    procedure Notification(AComponent: TComponent; Operation: TOperation); override;
    property OwnerDraw: Boolean read FOwnerDraw write SetOwnerDraw default False;
    property RaggedRight: Boolean read FRaggedRight write SetRaggedRight default False;
    property ScrollOpposite: Boolean read FScrollOpposite write SetScrollOpposite default False;
    property TabHeight: Smallint read FTabSize.Y write SetTabHeight default 0;
    property TabIndex: Integer read GetTabIndex write SetTabIndex default -1;
    property TabPosition: TTabPosition read FTabPosition write SetTabPosition default tpTop;
    property Tabs: TStrings read FTabs write SetTabs;
    property TabWidth: Smallint read FTabSize.X write SetTabWidth default 0;
    property OnChange: TNotifyEvent read FOnChange write FOnChange;
    property OnChanging: TTabChangingEvent read FOnChanging write FOnChanging;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    function IndexOfTabAt(X, Y: Integer): Integer;
    function GetHitTestInfoAt(X, Y: Integer): THitTests;
    function TabRect(Index: Integer): TRect;
    procedure SetTabIndex(Value: Integer); virtual;
    property Canvas: TCanvas read FCanvas;
    property TabStop default True;
  end;

  TTabControl = class(TCustomTabControl)
  public
    property DisplayRect;
  published
    property Align;
    property DragCursor;
    property DragMode;
    property Enabled;
    property Font;
    property HotTrack;
    property Images;
    property MultiLine;
    property OwnerDraw;
    property ParentFont;
    property ParentShowHint;
    property PopupMenu;
    property RaggedRight;
    property ScrollOpposite;
    property ShowHint;
    property TabHeight;
    property TabOrder;
    property TabPosition;
    property Tabs;
    property TabIndex;
    property TabStop;
    property TabWidth;
    property Visible;
    property OnChange;
    property OnChanging;
    property OnDragDrop;
    property OnDragOver;
    property OnEndDrag;
    property OnEnter;
    property OnExit;
    property OnMouseDown;
    property OnMouseMove;
    property OnMouseUp;
    property OnStartDrag;
  end;

  TPageControl = class;

  TTabSheet = class(TWinControl)
  private
    FImageIndex: Integer;
    FPageControl: TPageControl;
    FTabVisible: Boolean;
    FTabShowing: Boolean;
    FHighlighted: Boolean;
    function GetPageIndex: Integer;
    function GetTabIndex: Integer;
    procedure SetHighlighted(Value: Boolean);
    procedure SetImageIndex(Value: Integer);
    procedure SetPageControl(APageControl: TPageControl);
    procedure SetPageIndex(Value: Integer);
    procedure SetTabShowing(Value: Boolean);
    procedure SetTabVisible(Value: Boolean);
    procedure UpdateTabShowing;
    procedure CMTextChanged(var Message: TMessage); message CM_TEXTCHANGED;
  protected
    procedure CreateParams(var Params: TCreateParams); override;
    procedure ReadState(Reader: TReader); override;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    property PageControl: TPageControl read FPageControl write SetPageControl;
    property TabIndex: Integer read GetTabIndex;
  published
    property Caption;
    property Color;
    property DragMode;
    property Enabled;
    property Font;
    property Height;
    property Left;
    property Highlighted: Boolean read FHighlighted write SetHighlighted default False;
    property ImageIndex: Integer read FImageIndex write SetImageIndex default 0;
    property PageIndex: Integer read GetPageIndex write SetPageIndex stored False;
    property ParentFont;
    property ParentShowHint;
    property PopupMenu;
    property ShowHint;
    property TabVisible: Boolean read FTabVisible write SetTabVisible default True;
    property Top;
    property Visible;
    property Width;
    property OnDragDrop;
    property OnDragOver;
    property OnEndDrag;
    property OnEnter;
    property OnExit;
    property OnMouseDown;
    property OnMouseMove;
    property OnMouseUp;
    property OnStartDrag;
  end;

  TPageControl = class(TCustomTabControl)
  private
    FPages: TList;
    FActivePage: TTabSheet;
    FNewDockSheet: TTabSheet;
    procedure ChangeActivePage(Page: TTabSheet);
    procedure DeleteTab(Page: TTabSheet; Index: Integer);
    function GetActivePageIndex: Integer;
    function GetPage(Index: Integer): TTabSheet;
    function GetPageCount: Integer;
    procedure InsertPage(Page: TTabSheet);
    procedure InsertTab(Page: TTabSheet);
    procedure MoveTab(CurIndex, NewIndex: Integer);
    procedure RemovePage(Page: TTabSheet);
    procedure SetActivePage(Page: TTabSheet);
    procedure SetActivePageIndex(const Value: Integer);
    procedure UpdateTab(Page: TTabSheet);
    procedure UpdateActivePage;
    procedure CMDesignHitTest(var Message: TCMDesignHitTest); message CM_DESIGNHITTEST;
    procedure CMDialogKey(var Message: TCMDialogKey); message CM_DIALOGKEY;
  protected
    function CanShowTab(TabIndex: Integer): Boolean; override;
    procedure Change; override;
    procedure GetChildren(Proc: TGetChildProc); override;
    function GetImageIndex(TabIndex: Integer): Integer; override;
    procedure SetChildOrder(Child: TComponent; Order: Integer); override;
    procedure ShowControl(AControl: TControl); override;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    function FindNextPage(CurPage: TTabSheet;
      GoForward, CheckTabVisible: Boolean): TTabSheet;
    procedure SelectNextPage(GoForward: Boolean);
    property ActivePageIndex: Integer read GetActivePageIndex
      write SetActivePageIndex;
    property PageCount: Integer read GetPageCount;
    property Pages[Index: Integer]: TTabSheet read GetPage;
  published
    property ActivePage: TTabSheet read FActivePage write SetActivePage;
    property Align;
    property DragCursor;
    property DragMode;
    property Enabled;
    property Font;
    property HotTrack;
    property Images;
    property MultiLine;
    property OwnerDraw;
    property ParentFont;
    property ParentShowHint;
    property PopupMenu;
    property RaggedRight;
    property ScrollOpposite;
    property ShowHint;
    property TabHeight;
    property TabOrder;
    property TabPosition;
    property TabStop;
    property TabWidth;
    property Visible;
    property OnChange;
    property OnChanging;
    property OnDragDrop;
    property OnDragOver;
    property OnEndDrag;
    property OnEnter;
    property OnExit;
    property OnMouseDown;
    property OnMouseMove;
    property OnMouseUp;
    property OnStartDrag;
  end;

  { TStatusBar }
  TStatusBar = class;

  TStatusPanelStyle = (psText, psOwnerDraw);
  TStatusPanelBevel = (pbNone, pbLowered, pbRaised);

  TStatusPanel = class(TCollectionItem)
  private
    FText: string;
    FWidth: Integer;
    FAlignment: TAlignment;
    FBevel: TStatusPanelBevel;
    FStyle: TStatusPanelStyle;
    procedure SetAlignment(Value: TAlignment);
    procedure SetBevel(Value: TStatusPanelBevel);
    procedure SetStyle(Value: TStatusPanelStyle);
    procedure SetText(const Value: string);
    procedure SetWidth(Value: Integer);
  public
    constructor Create(Collection: TCollection); override;
    procedure Assign(Source: TPersistent); override;
  published
    property Alignment: TAlignment read FAlignment write SetAlignment default taLeftJustify;
    property Bevel: TStatusPanelBevel read FBevel write SetBevel default pbLowered;
    property Style: TStatusPanelStyle read FStyle write SetStyle default psText;
    property Text: string read FText write SetText;
    property Width: Integer read FWidth write SetWidth;
  end;

  TStatusPanels = class(TCollection)
  private
    FStatusBar: TStatusBar;
    function GetItem(Index: Integer): TStatusPanel;
    procedure SetItem(Index: Integer; Value: TStatusPanel);
  protected
    procedure Update(Item: TCollectionItem); override;
  public
    constructor Create(StatusBar: TStatusBar);
    function Add: TStatusPanel;
    property Items[Index: Integer]: TStatusPanel read GetItem write SetItem; default;
  end;

  TDrawPanelEvent = procedure(StatusBar: TStatusBar; Panel: TStatusPanel;
    const Rect: TRect) of object;

  TStatusBar = class(TWinControl)
  private
    FPanels: TStatusPanels;
    FCanvas: TCanvas;
    FSimpleText: string;
    FSimplePanel: Boolean;
    FSizeGrip: Boolean;
    FOnDrawPanel: TDrawPanelEvent;
    FOnResize: TNotifyEvent;
    procedure SetPanels(Value: TStatusPanels);
    procedure SetSimplePanel(Value: Boolean);
    procedure UpdateSimpleText;
    procedure SetSimpleText(const Value: string);
    procedure SetSizeGrip(Value: Boolean);
    procedure UpdatePanel(Index: Integer);
    procedure UpdatePanels;
    procedure CMWinIniChange(var Message: TMessage); message CM_WININICHANGE;
    procedure CNDrawItem(var Message: TWMDrawItem); message CN_DRAWITEM;
    procedure WMSize(var Message: TWMSize); message WM_SIZE;
  protected
    procedure CreateParams(var Params: TCreateParams); override;
    procedure CreateWnd; override;
    procedure DrawPanel(Panel: TStatusPanel; const Rect: TRect); dynamic;
    procedure Resize; dynamic;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    property Canvas: TCanvas read FCanvas;
  published
    property Align;
    property DragCursor;
    property DragMode;
    property Enabled;
    property Font;
    property Panels: TStatusPanels read FPanels write SetPanels;
    property ParentFont;
    property ParentShowHint;
    property PopupMenu;
    property ShowHint;
    property SimplePanel: Boolean read FSimplePanel write SetSimplePanel;
    property SimpleText: string read FSimpleText write SetSimpleText;
    property SizeGrip: Boolean read FSizeGrip write SetSizeGrip default True;
    property Visible;
    property OnClick;
    property OnDblClick;
    property OnDragDrop;
    property OnDragOver;
    property OnEndDrag;
    property OnMouseDown;
    property OnMouseMove;
    property OnMouseUp;
    property OnDrawPanel: TDrawPanelEvent read FOnDrawPanel write FOnDrawPanel;
    property OnResize: TNotifyEvent read FOnResize write FOnResize;
    property OnStartDrag;
  end;

  { THeaderControl }
  THeaderControl = class;

  THeaderSectionStyle = (hsText, hsOwnerDraw);

  THeaderSection = class(TCollectionItem)
  private
    FText: string;
    FWidth: Integer;
    FMinWidth: Integer;
    FMaxWidth: Integer;
    FAlignment: TAlignment;
    FStyle: THeaderSectionStyle;
    FAllowClick: Boolean;
    function GetLeft: Integer;
    function GetRight: Integer;
    procedure SetAlignment(Value: TAlignment);
    procedure SetMaxWidth(Value: Integer);
    procedure SetMinWidth(Value: Integer);
    procedure SetStyle(Value: THeaderSectionStyle);
    procedure SetText(const Value: string);
    procedure SetWidth(Value: Integer);
  public
    constructor Create(Collection: TCollection); override;
    procedure Assign(Source: TPersistent); override;
    property Left: Integer read GetLeft;
    property Right: Integer read GetRight;
  published
    property Alignment: TAlignment read FAlignment write SetAlignment default taLeftJustify;
    property AllowClick: Boolean read FAllowClick write FAllowClick default True;
    property MaxWidth: Integer read FMaxWidth write SetMaxWidth default 10000;
    property MinWidth: Integer read FMinWidth write SetMinWidth default 0;
    property Style: THeaderSectionStyle read FStyle write SetStyle default hsText;
    property Text: string read FText write SetText;
    property Width: Integer read FWidth write SetWidth;
  end;

  THeaderSections = class(TCollection)
  private
    FHeaderControl: THeaderControl;
    function GetItem(Index: Integer): THeaderSection;
    procedure SetItem(Index: Integer; Value: THeaderSection);
  protected
    procedure Update(Item: TCollectionItem); override;
  public
    constructor Create(HeaderControl: THeaderControl);
    function Add: THeaderSection;
    property Items[Index: Integer]: THeaderSection read GetItem write SetItem; default;
  end;

  TSectionTrackState = (tsTrackBegin, tsTrackMove, tsTrackEnd);
  TDrawSectionEvent = procedure(HeaderControl: THeaderControl;
    Section: THeaderSection; const Rect: TRect; Pressed: Boolean) of object;
  TSectionNotifyEvent = procedure(HeaderControl: THeaderControl;
    Section: THeaderSection) of object;
  TSectionTrackEvent = procedure(HeaderControl: THeaderControl;
    Section: THeaderSection; Width: Integer;
    State: TSectionTrackState) of object;

  THeaderControl = class(TWinControl)
  private
    FSections: THeaderSections;
    FCanvas: TCanvas;
    FHotTrack: Boolean;
    FOnDrawSection: TDrawSectionEvent;
    FOnResize: TNotifyEvent;
    FOnSectionClick: TSectionNotifyEvent;
    FOnSectionResize: TSectionNotifyEvent;
    FOnSectionTrack: TSectionTrackEvent;
    procedure SetHotTrack(Value: Boolean);
    procedure SetSections(Value: THeaderSections);
    procedure UpdateItem(Message, Index: Integer);
    procedure UpdateSection(Index: Integer);
    procedure UpdateSections;
    procedure CNDrawItem(var Message: TWMDrawItem); message CN_DRAWITEM;
    procedure CNNotify(var Message: TWMNotify); message CN_NOTIFY;
    procedure WMSize(var Message: TWMSize); message WM_SIZE;
  protected
    procedure CreateParams(var Params: TCreateParams); override;
    procedure CreateWnd; override;
    procedure DrawSection(Section: THeaderSection; const Rect: TRect;
      Pressed: Boolean); dynamic;
    procedure Resize; dynamic;
    procedure SectionClick(Section: THeaderSection); dynamic;
    procedure SectionResize(Section: THeaderSection); dynamic;
    procedure SectionTrack(Section: THeaderSection; Width: Integer;
      State: TSectionTrackState); dynamic;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    property Canvas: TCanvas read FCanvas;
  published
    property Align;
    property DragCursor;
    property DragMode;
    property Enabled;
    property Font;
    property HotTrack: Boolean read FHotTrack write SetHotTrack default False;
    property Sections: THeaderSections read FSections write SetSections;
    property ShowHint;
    property ParentFont;
    property ParentShowHint;
    property PopupMenu;
    property Visible;
    property OnDragDrop;
    property OnDragOver;
    property OnEndDrag;
    property OnMouseDown;
    property OnMouseMove;
    property OnMouseUp;
    property OnDrawSection: TDrawSectionEvent read FOnDrawSection write FOnDrawSection;
    property OnResize: TNotifyEvent read FOnResize write FOnResize;
    property OnSectionClick: TSectionNotifyEvent read FOnSectionClick write FOnSectionClick;
    property OnSectionResize: TSectionNotifyEvent read FOnSectionResize write FOnSectionResize;
    property OnSectionTrack: TSectionTrackEvent read FOnSectionTrack write FOnSectionTrack;
    property OnStartDrag;
  end;

  { TTreeNode }
  TCustomTreeView = class;
  TTreeNodes = class;

  TNodeState = (nsCut, nsDropHilited, nsFocused, nsSelected, nsExpanded);
  TNodeAttachMode = (naAdd, naAddFirst, naAddChild, naAddChildFirst, naInsert);
  TAddMode = (taAddFirst, taAdd, taInsert);
  HTreeItem = Pointer;

  PNodeInfo = ^TNodeInfo;
  TNodeInfo = packed record
    ImageIndex: Integer;
    SelectedIndex: Integer;
    StateIndex: Integer;
    OverlayIndex: Integer;
    Data: Pointer;
    Count: Integer;
    Text: string[255];
  end;

  TTreeNode = class(TPersistent)
  private
    FOwner: TTreeNodes;
    FText: string;
    FData: Pointer;
    FItemId: HTreeItem;
    FImageIndex: Integer;
    FSelectedIndex: Integer;
    FOverlayIndex: Integer;
    FStateIndex: Integer;
    FDeleting: Boolean;
    FInTree: Boolean;
    function CompareCount(CompareMe: Integer): Boolean;
    function DoCanExpand(Expand: Boolean): Boolean;
    procedure DoExpand(Expand: Boolean);
    procedure ExpandItem(Expand: Boolean; Recurse: Boolean);
    function GetAbsoluteIndex: Integer;
    function GetExpanded: Boolean;
    function GetLevel: Integer;
    function GetParent: TTreeNode;
    function GetChildren: Boolean;
    function GetCut: Boolean;
    function GetDropTarget: Boolean;
    function GetFocused: Boolean;
    function GetIndex: Integer;
    function GetItem(Index: Integer): TTreeNode;
    function GetSelected: Boolean;
    function GetState(NodeState: TNodeState): Boolean;
    function GetCount: Integer;
    function GetTreeView: TCustomTreeView;
    procedure InternalMove(ParentNode, Node: TTreeNode; HItem: HTreeItem;
      AddMode: TAddMode);
    function IsEqual(Node: TTreeNode): Boolean;
    function IsNodeVisible: Boolean;
    procedure ReadData(Stream: TStream; Info: PNodeInfo);
    procedure SetChildren(Value: Boolean);
    procedure SetCut(Value: Boolean);
    procedure SetData(Value: Pointer);
    procedure SetDropTarget(Value: Boolean);
    procedure SetItem(Index: Integer; Value: TTreeNode);
    procedure SetExpanded(Value: Boolean);
    procedure SetFocused(Value: Boolean);
    procedure SetImageIndex(Value: Integer);
    procedure SetOverlayIndex(Value: Integer);
    procedure SetSelectedIndex(Value: Integer);
    procedure SetSelected(Value: Boolean);
    procedure SetStateIndex(Value: Integer);
    procedure SetText(const S: string);
    procedure WriteData(Stream: TStream; Info: PNodeInfo);
  public
    constructor Create(AOwner: TTreeNodes);
    destructor Destroy; override;
    function AlphaSort: Boolean;
    procedure Assign(Source: TPersistent); override;
    procedure Collapse(Recurse: Boolean);
    procedure Delete;
    procedure DeleteChildren;
    function DisplayRect(TextOnly: Boolean): TRect;
    function EditText: Boolean;
    procedure EndEdit(Cancel: Boolean);
    procedure Expand(Recurse: Boolean);
    function GetFirstChild: TTreeNode;
    function GetHandle: HWND;
    function GetLastChild: TTreeNode;
    function GetNext: TTreeNode;
    function GetNextChild(Value: TTreeNode): TTreeNode;
    function GetNextSibling: TTreeNode;
    function GetNextVisible: TTreeNode;
    function GetPrev: TTreeNode;
    function GetPrevChild(Value: TTreeNode): TTreeNode;
    function GetPrevSibling: TTreeNode;
    function GetPrevVisible: TTreeNode;
    function HasAsParent(Value: TTreeNode): Boolean;
    function IndexOf(Value: TTreeNode): Integer;
    procedure MakeVisible;
    procedure MoveTo(Destination: TTreeNode; Mode: TNodeAttachMode); virtual;
    property AbsoluteIndex: Integer read GetAbsoluteIndex;
    property Count: Integer read GetCount;
    property Cut: Boolean read GetCut write SetCut;
    property Data: Pointer read FData write SetData;
    property Deleting: Boolean read FDeleting;
    property Focused: Boolean read GetFocused write SetFocused;
    property DropTarget: Boolean read GetDropTarget write SetDropTarget;
    property Selected: Boolean read GetSelected write SetSelected;
    property Expanded: Boolean read GetExpanded write SetExpanded;
    property Handle: HWND read GetHandle;
    property HasChildren: Boolean read GetChildren write SetChildren;
    property ImageIndex: Integer read FImageIndex write SetImageIndex;
    property Index: Integer read GetIndex;
    property IsVisible: Boolean read IsNodeVisible;
    property Item[Index: Integer]: TTreeNode read GetItem write SetItem; default;
    property ItemId: HTreeItem read FItemId;
    property Level: Integer read GetLevel;
    property OverlayIndex: Integer read FOverlayIndex write SetOverlayIndex;
    property Owner: TTreeNodes read FOwner;
    property Parent: TTreeNode read GetParent;
    property SelectedIndex: Integer read FSelectedIndex write SetSelectedIndex;
    property StateIndex: Integer read FStateIndex write SetStateIndex;
    property Text: string read FText write SetText;
    property TreeView: TCustomTreeView read GetTreeView;
  end;

  TTreeNodes = class(TPersistent)
  private
    FOwner: TCustomTreeView;
    FUpdateCount: Integer;
    procedure AddedNode(Value: TTreeNode);
    function GetHandle: HWND;
    function GetNodeFromIndex(Index: Integer): TTreeNode;
    procedure ReadData(Stream: TStream);
    procedure Repaint(Node: TTreeNode);
    procedure WriteData(Stream: TStream);
  protected
    function AddItem(Parent, Target: HTreeItem; const Item: Pointer;
      AddMode: TAddMode): HTreeItem;
    function InternalAddObject(Node: TTreeNode; const S: string;
      Ptr: Pointer; AddMode: TAddMode): TTreeNode;
    procedure DefineProperties(Filer: TFiler); override;
    function GetCount: Integer;
    procedure SetItem(Index: Integer; Value: TTreeNode);
    procedure SetUpdateState(Updating: Boolean);
  public
    constructor Create(AOwner: TCustomTreeView);
    destructor Destroy; override;
    function AddChildFirst(Node: TTreeNode; const S: string): TTreeNode;
    function AddChild(Node: TTreeNode; const S: string): TTreeNode;
    function AddChildObjectFirst(Node: TTreeNode; const S: string;
      Ptr: Pointer): TTreeNode;
    function AddChildObject(Node: TTreeNode; const S: string;
      Ptr: Pointer): TTreeNode;
    function AddFirst(Node: TTreeNode; const S: string): TTreeNode;
    function Add(Node: TTreeNode; const S: string): TTreeNode;
    function AddObjectFirst(Node: TTreeNode; const S: string;
      Ptr: Pointer): TTreeNode;
    function AddObject(Node: TTreeNode; const S: string;
      Ptr: Pointer): TTreeNode;
    procedure Assign(Source: TPersistent); override;
    procedure BeginUpdate;
    procedure Clear;
    procedure Delete(Node: TTreeNode);
    procedure EndUpdate;
    function GetFirstNode: TTreeNode;
    function GetNode(ItemId: HTreeItem): TTreeNode;
    function Insert(Node: TTreeNode; const S: string): TTreeNode;
    function InsertObject(Node: TTreeNode; const S: string;
      Ptr: Pointer): TTreeNode;
    property Count: Integer read GetCount;
    property Handle: HWND read GetHandle;
    property Item[Index: Integer]: TTreeNode read GetNodeFromIndex; default;
    property Owner: TCustomTreeView read FOwner;
  end;

  { TCustomTreeView }
  TSortType = (stNone, stData, stText, stBoth);
  TTVChangingEvent = procedure(Sender: TObject; Node: TTreeNode;
    var AllowChange: Boolean) of object;
  TTVChangedEvent = procedure(Sender: TObject; Node: TTreeNode) of object;
  TTVEditingEvent = procedure(Sender: TObject; Node: TTreeNode;
    var AllowEdit: Boolean) of object;
  TTVEditedEvent = procedure(Sender: TObject; Node: TTreeNode; var S: string) of object;
  TTVExpandingEvent = procedure(Sender: TObject; Node: TTreeNode;
    var AllowExpansion: Boolean) of object;
  TTVCollapsingEvent = procedure(Sender: TObject; Node: TTreeNode;
    var AllowCollapse: Boolean) of object;
  TTVExpandedEvent = procedure(Sender: TObject; Node: TTreeNode) of object;
  TTVCompareEvent = procedure(Sender: TObject; Node1, Node2: TTreeNode;
    Data: Integer; var Compare: Integer) of object;

  TCustomTreeView = class(TWinControl)
  private
    FShowLines: Boolean;
    FShowRoot: Boolean;
    FShowButtons: Boolean;
    FBorderStyle: TBorderStyle;
    FReadOnly: Boolean;
    FImages: TCustomImageList;
    FStateImages: TCustomImageList;
    FImageChangeLink: TChangeLink;
    FStateChangeLink: TChangeLink;
    FDragImage: TDragImageList;
    FTreeNodes: TTreeNodes;
    FSortType: TSortType;
    FSaveItems: TStringList;
    FSaveTopIndex: Integer;
    FSaveIndex: Integer;
    FSaveIndent: Integer;
    FHideSelection: Boolean;
    FMemStream: TMemoryStream;
    FEditInstance: Pointer;
    FDefEditProc: Pointer;
    FEditHandle: HWND;
    FDragged: Boolean;
    FRClickNode: TTreeNode;
    FLastDropTarget: TTreeNode;
    FDragNode: TTreeNode;
    FManualNotify: Boolean;
    FRightClickSelect: Boolean;
    FStateChanging: Boolean;
    FOnEditing: TTVEditingEvent;
    FOnEdited: TTVEditedEvent;
    FOnExpanded: TTVExpandedEvent;
    FOnExpanding: TTVExpandingEvent;
    FOnCollapsed: TTVExpandedEvent;
    FOnCollapsing: TTVCollapsingEvent;
    FOnChanging: TTVChangingEvent;
    FOnChange: TTVChangedEvent;
    FOnCompare: TTVCompareEvent;
    FOnDeletion: TTVExpandedEvent;
    FOnGetImageIndex: TTVExpandedEvent;
    FOnGetSelectedIndex: TTVExpandedEvent;
    procedure CMColorChanged(var Message: TMessage); message CM_COLORCHANGED;
    procedure CMCtl3DChanged(var Message: TMessage); message CM_CTL3DCHANGED;
    procedure CMFontChanged(var Message: TMessage); message CM_FONTCHANGED;
    procedure CMDrag(var Message: TMessage); message CM_DRAG;
    procedure CNNotify(var Message: TWMNotify); message CN_NOTIFY;
    procedure EditWndProc(var Message: TMessage);
    procedure DoDragOver(Source: TDragObject; X, Y: Integer; CanDrop: Boolean);
    function GetDropTarget: TTreeNode;
    function GetIndent: Integer;
    function GetNodeFromItem(const Item: Pointer): TTreeNode;
    function GetSelection: TTreeNode;
    function GetTopItem: TTreeNode;
    procedure ImageListChange(Sender: TObject);
    procedure SetBorderStyle(Value: TBorderStyle);
    procedure SetButtonStyle(Value: Boolean);
    procedure SetDropTarget(Value: TTreeNode);
    procedure SetHideSelection(Value: Boolean);
    procedure SetImageList(Value: HImageList; Flags: Integer);
    procedure SetIndent(Value: Integer);
    procedure SetImages(Value: TCustomImageList);
    procedure SetLineStyle(Value: Boolean);
    procedure SetReadOnly(Value: Boolean);
    procedure SetRootStyle(Value: Boolean);
    procedure SetSelection(Value: TTreeNode);
    procedure SetSortType(Value: TSortType);
    procedure SetStateImages(Value: TCustomImageList);
    procedure SetStyle(Value: Integer; UseStyle: Boolean);
    procedure SetTreeNodes(Value: TTreeNodes);
    procedure SetTopItem(Value: TTreeNode);
    procedure OnChangeTimer(Sender: TObject);
    procedure WMLButtonDown(var Message: TWMLButtonDown); message WM_LBUTTONDOWN;
    procedure WMNotify(var Message: TWMNotify); message WM_NOTIFY;
    procedure WMContextMenu(var Message: TMessage); message WM_CONTEXTMENU;
  protected
    FChangeTimer: TObject;
    function CanEdit(Node: TTreeNode): Boolean; dynamic;
    function CanChange(Node: TTreeNode): Boolean; dynamic;
    function CanCollapse(Node: TTreeNode): Boolean; dynamic;
    function CanExpand(Node: TTreeNode): Boolean; dynamic;
    procedure Change(Node: TTreeNode); dynamic;
    procedure Collapse(Node: TTreeNode); dynamic;
    function CreateNode: TTreeNode; virtual;
    procedure CreateParams(var Params: TCreateParams); override;
    procedure CreateWnd; override;
    procedure DestroyWnd; override;
    procedure DoEndDrag(Target: TObject; X, Y: Integer); override;
    procedure DoStartDrag(var DragObject: TDragObject); override;
    procedure Edit(const Item: Pointer); dynamic;
    procedure Expand(Node: TTreeNode); dynamic;
    function GetDragImages: TCustomImageList; virtual;
    procedure GetImageIndex(Node: TTreeNode); virtual;
    procedure GetSelectedIndex(Node: TTreeNode); virtual;
    procedure Loaded; override;
    procedure Notification(AComponent: TComponent;
      Operation: TOperation); override;
    procedure SetDragMode(Value: TDragMode); override;
    procedure WndProc(var Message: TMessage); override;
    property BorderStyle: TBorderStyle read FBorderStyle write SetBorderStyle default bsSingle;
    property HideSelection: Boolean read FHideSelection write SetHideSelection default True;
    property Images: TCustomImageList read FImages write SetImages;
    property Indent: Integer read GetIndent write SetIndent;
    property Items: TTreeNodes read FTreeNodes write SetTreeNodes;
    property ReadOnly: Boolean read FReadOnly write SetReadOnly default False;
    property RightClickSelect: Boolean read FRightClickSelect write FRightClickSelect default False;
    property ShowButtons: Boolean read FShowButtons write SetButtonStyle default True;
    property ShowLines: Boolean read FShowLines write SetLineStyle default True;
    property ShowRoot: Boolean read FShowRoot write SetRootStyle default True;
    property SortType: TSortType read FSortType write SetSortType default stNone;
    property StateImages: TCustomImageList read FStateImages write SetStateImages;
    property OnEditing: TTVEditingEvent read FOnEditing write FOnEditing;
    property OnEdited: TTVEditedEvent read FOnEdited write FOnEdited;
    property OnExpanding: TTVExpandingEvent read FOnExpanding write FOnExpanding;
    property OnExpanded: TTVExpandedEvent read FOnExpanded write FOnExpanded;
    property OnCollapsing: TTVCollapsingEvent read FOnCollapsing write FOnCollapsing;
    property OnCollapsed: TTVExpandedEvent read FOnCollapsed write FOnCollapsed;
    property OnChanging: TTVChangingEvent read FOnChanging write FOnChanging;
    property OnChange: TTVChangedEvent read FOnChange write FOnChange;
    property OnCompare: TTVCompareEvent read FOnCompare write FOnCompare;
    property OnDeletion: TTVExpandedEvent read FOnDeletion write FOnDeletion;
    property OnGetImageIndex: TTVExpandedEvent read FOnGetImageIndex write FOnGetImageIndex;
    property OnGetSelectedIndex: TTVExpandedEvent read FOnGetSelectedIndex write FOnGetSelectedIndex;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    function AlphaSort: Boolean;
    function CustomSort(SortProc: TTVCompare; Data: Longint): Boolean;
    procedure FullCollapse;
    procedure FullExpand;
    function GetHitTestInfoAt(X, Y: Integer): THitTests;
    function GetNodeAt(X, Y: Integer): TTreeNode;
    function IsEditing: Boolean;
    procedure LoadFromFile(const FileName: string);
    procedure LoadFromStream(Stream: TStream);
    procedure SaveToFile(const FileName: string);
    procedure SaveToStream(Stream: TStream);
    property DropTarget: TTreeNode read GetDropTarget write SetDropTarget;
    property Selected: TTreeNode read GetSelection write SetSelection;
    property TopItem: TTreeNode read GetTopItem write SetTopItem;
  end;

  TTreeView = class(TCustomTreeView)
  published
    property ShowButtons;
    property BorderStyle;
    property DragCursor;
    property ShowLines;
    property ShowRoot;
    property ReadOnly;
    property RightClickSelect;
    property DragMode;
    property HideSelection;
    property Indent;
    property Items;
    property Enabled;
    property Font;
    property Color;
    property ParentColor;
    property ParentCtl3D;
    property Ctl3D;
    property SortType;
    property TabOrder;
    property TabStop;
    property Visible;
    property OnEditing;
    property OnEdited;
    property OnExpanding;
    property OnExpanded;
    property OnCollapsing;
    property OnCompare;
    property OnCollapsed;
    property OnChanging;
    property OnChange;
    property OnDeletion;
    property OnGetImageIndex;
    property OnGetSelectedIndex;
    property Align;
    property Images;
    property StateImages;
    property OnClick;
    property OnEnter;
    property OnExit;
    property OnDragDrop;
    property OnDragOver;
    property OnStartDrag;
    property OnEndDrag;
    property OnMouseDown;
    property OnMouseMove;
    property OnMouseUp;
    property OnDblClick;
    property OnKeyDown;
    property OnKeyPress;
    property OnKeyUp;
    property PopupMenu;
    property ParentFont;
    property ParentShowHint;
    property ShowHint;
  end;

  { TTrackBar }
  TTrackBarOrientation = (trHorizontal, trVertical);
  TTickMark = (tmBottomRight, tmTopLeft, tmBoth);
  TTickStyle = (tsNone, tsAuto, tsManual);

  TTrackBar = class(TWinControl)
  private
    FOrientation: TTrackBarOrientation;
    FTickMarks: TTickMark;
    FTickStyle: TTickStyle;
    FLineSize: Integer;
    FPageSize: Integer;
    FMin: Integer;
    FMax: Integer;
    FFrequency: Integer;
    FPosition: Integer;
    FSelStart: Integer;
    FSelEnd: Integer;
    FOnChange: TNotifyEvent;
    procedure SetOrientation(Value: TTrackBarOrientation);
    procedure SetParams(APosition, AMin, AMax: Integer);
    procedure SetPosition(Value: Integer);
    procedure SetMin(Value: Integer);
    procedure SetMax(Value: Integer);
    procedure SetFrequency(Value: Integer);
    procedure SetTickStyle(Value: TTickStyle);
    procedure SetTickMarks(Value: TTickMark);
    procedure SetLineSize(Value: Integer);
    procedure SetPageSize(Value: Integer);
    procedure SetSelStart(Value: Integer);
    procedure SetSelEnd(Value: Integer);
    procedure UpdateSelection;
    procedure CNHScroll(var Message: TWMHScroll); message CN_HSCROLL;
    procedure CNVScroll(var Message: TWMVScroll); message CN_VSCROLL;
  protected
    procedure CreateParams(var Params: TCreateParams); override;
    procedure CreateWnd; override;
    procedure DestroyWnd; override;
    procedure Changed; virtual;
  public
    constructor Create(AOwner: TComponent); override;
    procedure SetTick(Value: Integer);
  published
    property Ctl3D;
    property DragCursor;
    property DragMode;
    property Enabled;
    property LineSize: Integer read FLineSize write SetLineSize default 1;
    property Max: Integer read FMax write SetMax default 10;
    property Min: Integer read FMin write SetMin default 0;
    property Orientation: TTrackBarOrientation read FOrientation write SetOrientation;
    property ParentCtl3D;
    property ParentShowHint;
    property PageSize: Integer read FPageSize write SetPageSize default 2;
    property PopupMenu;
    property Frequency: Integer read FFrequency write SetFrequency;
    property Position: Integer read FPosition write SetPosition;
    property SelEnd: Integer read FSelEnd write SetSelEnd;
    property SelStart: Integer read FSelStart write SetSelStart;
    property ShowHint;
    property TabOrder;
    property TabStop;
    property TickMarks: TTickMark read FTickMarks write SetTickMarks;
    property TickStyle: TTickStyle read FTickStyle write SetTickStyle;
    property Visible;
    property OnChange: TNotifyEvent read FOnChange write FOnChange;
    property OnDragDrop;
    property OnDragOver;
    property OnEndDrag;
    property OnEnter;
    property OnExit;
    property OnKeyDown;
    property OnKeyPress;
    property OnKeyUp;
    property OnStartDrag;
  end;

  { TProgressBar }
  TProgressRange = 0..65535;

  TProgressBar = class(TWinControl)
  private
    FMin: TProgressRange;
    FMax: TProgressRange;
    FPosition: TProgressRange;
    FStep: TProgressRange;
    procedure SetParams(AMin, AMax: TProgressRange);
    procedure SetMin(Value: TProgressRange);
    procedure SetMax(Value: TProgressRange);
    procedure SetPosition(Value: TProgressRange);
    procedure SetStep(Value: TProgressRange);
  protected
    procedure CreateParams(var Params: TCreateParams); override;
    procedure CreateWnd; override;
  public
    constructor Create(AOwner: TComponent); override;
    procedure StepIt;
    procedure StepBy(Delta: TProgressRange);
  published
    property Align;
    property Enabled;
    property Hint;
    property Min: TProgressRange read FMin write SetMin;
    property Max: TProgressRange read FMax write SetMax;
    property ParentShowHint;
    property PopupMenu;
    property Position: TProgressRange read FPosition write SetPosition default 0;
    property Step: TProgressRange read FStep write SetStep default 10;
    property ShowHint;
    property TabOrder;
    property TabStop;
    property Visible;
    property OnDragDrop;
    property OnDragOver;
    property OnEndDrag;
    property OnEnter;
    property OnExit;
    property OnMouseDown;
    property OnMouseMove;
    property OnMouseUp;
    property OnStartDrag;
  end;

  { TRichEdit }
  TCustomRichEdit = class;

  TAttributeType = (atSelected, atDefaultText);
  TConsistentAttribute = (caBold, caColor, caFace, caItalic,
    caSize, caStrikeOut, caUnderline, caProtected);
  TConsistentAttributes = set of TConsistentAttribute;

  TTextAttributes = class(TPersistent)
  private
    RichEdit: TCustomRichEdit;
    FType: TAttributeType;
    function GetColor: TColor;
    procedure SetColor(Value: TColor);
    function GetConsistentAttributes: TConsistentAttributes;
    function GetHeight: Integer;
    procedure SetHeight(Value: Integer);
    function GetName: TFontName;
    procedure SetName(Value: TFontName);
    function GetPitch: TFontPitch;
    procedure SetPitch(Value: TFontPitch);
    function GetProtected: Boolean;
    procedure SetProtected(Value: Boolean);
    function GetSize: Integer;
    procedure SetSize(Value: Integer);
    function GetStyle: TFontStyles;
    procedure SetStyle(Value: TFontStyles);
  protected
    procedure AssignTo(Dest: TPersistent); override;
  public
    constructor Create(AOwner: TCustomRichEdit; AttributeType: TAttributeType);
    procedure Assign(Source: TPersistent); override;
    property Color: TColor read GetColor write SetColor;
    property ConsistentAttributes: TConsistentAttributes read GetConsistentAttributes;
    property Name: TFontName read GetName write SetName;
    property Pitch: TFontPitch read GetPitch write SetPitch;
    property Protected: Boolean read GetProtected write SetProtected;
    property Size: Integer read GetSize write SetSize;
    property Style: TFontStyles read GetStyle write SetStyle;
    property Height: Integer read GetHeight write SetHeight;
  end;

  TNumberingStyle = (nsNone, nsBullet);

  TParaAttributes = class(TPersistent)
  private
    RichEdit: TCustomRichEdit;
    function GetAlignment: TAlignment;
    function GetFirstIndent: Longint;
    function GetLeftIndent: Longint;
    function GetRightIndent: Longint;
    function GetNumbering: TNumberingStyle;
    function GetTab(Index: Byte): Longint;
    function GetTabCount: Integer;
    procedure SetAlignment(Value: TAlignment);
    procedure SetFirstIndent(Value: Longint);
    procedure SetLeftIndent(Value: Longint);
    procedure SetRightIndent(Value: Longint);
    procedure SetNumbering(Value: TNumberingStyle);
    procedure SetTab(Index: Byte; Value: Longint);
    procedure SetTabCount(Value: Integer);
  public
    constructor Create(AOwner: TCustomRichEdit);
    procedure Assign(Source: TPersistent); override;
    property Alignment: TAlignment read GetAlignment write SetAlignment;
    property FirstIndent: Longint read GetFirstIndent write SetFirstIndent;
    property LeftIndent: Longint read GetLeftIndent write SetLeftIndent;
    property Numbering: TNumberingStyle read GetNumbering write SetNumbering;
    property RightIndent: Longint read GetRightIndent write SetRightIndent;
    property Tab[Index: Byte]: Longint read GetTab write SetTab;
    property TabCount: Integer read GetTabCount write SetTabCount;
  end;

  TRichEditResizeEvent = procedure(Sender: TObject; Rect: TRect) of object;
  TRichEditProtectChange = procedure(Sender: TObject;
    StartPos, EndPos: Integer; var AllowChange: Boolean) of object;
  TRichEditSaveClipboard = procedure(Sender: TObject;
    NumObjects, NumChars: Integer; var SaveClipboard: Boolean) of object;
  TSearchType = (stWholeWord, stMatchCase);
  TSearchTypes = set of TSearchType;

  TConversion = class(TObject)
  public
    function ConvertReadStream(Stream: TStream; Buffer: PChar; BufSize: Integer): Integer; virtual;
    function ConvertWriteStream(Stream: TStream; Buffer: PChar; BufSize: Integer): Integer; virtual;
  end;

  TConversionClass = class of TConversion;

  TCustomRichEdit = class(TCustomMemo)
  private
    FHideScrollBars: Boolean;
    FSelAttributes: TTextAttributes;
    FDefAttributes: TTextAttributes;
    FParagraph: TParaAttributes;
    FScreenLogPixels: Integer;
    FRichEditStrings: TStrings;
    FMemStream: TMemoryStream;
    FOnSelChange: TNotifyEvent;
    FHideSelection: Boolean;
    FModified: Boolean;
    FDefaultConverter: TConversionClass;
    FOnResizeRequest: TRichEditResizeEvent;
    FOnProtectChange: TRichEditProtectChange;
    FOnSaveClipboard: TRichEditSaveClipboard;
    FPageRect: TRect;
    procedure CMFontChanged(var Message: TMessage); message CM_FONTCHANGED;
    procedure CMColorChanged(var Message: TMessage); message CM_COLORCHANGED;
    procedure CNNotify(var Message: TWMNotify); message CN_NOTIFY;
    function GetPlainText: Boolean;
    function ProtectChange(StartPos, EndPos: Integer): Boolean;
    function SaveClipboard(NumObj, NumChars: Integer): Boolean;
    procedure SetHideScrollBars(Value: Boolean);
    procedure SetHideSelection(Value: Boolean);
    procedure SetPlainText(Value: Boolean);
    procedure SetRichEditStrings(Value: TStrings);
    procedure SetDefAttributes(Value: TTextAttributes);
    procedure SetSelAttributes(Value: TTextAttributes);
    procedure WMNCDestroy(var Message: TWMNoParams); message WM_NCDESTROY;
    procedure WMSetCursor(var Message: TWMSetCursor); message WM_SETCURSOR;
    procedure WMPaint(var Message: TWMPaint); message WM_PAINT;
  protected
    procedure CreateParams(var Params: TCreateParams); override;
    procedure CreateWnd; override;
    procedure DestroyWnd; override;
    procedure RequestSize(const Rect: TRect); virtual;
    procedure SelectionChange; dynamic;
    property HideSelection: Boolean read FHideSelection write SetHideSelection default True;
    property HideScrollBars: Boolean read FHideScrollBars write SetHideScrollBars default True;
    property Lines: TStrings read FRichEditStrings write SetRichEditStrings;
    property OnSaveClipboard: TRichEditSaveClipboard read FOnSaveClipboard write FOnSaveClipboard;
    property OnSelectionChange: TNotifyEvent read FOnSelChange write FOnSelChange;
    property OnProtectChange: TRichEditProtectChange read FOnProtectChange write FOnProtectChange;
    property OnResizeRequest: TRichEditResizeEvent read FOnResizeRequest write FOnResizeRequest;
    property PlainText: Boolean read GetPlainText write SetPlainText default False;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    procedure Clear; override;
    function FindText(const SearchStr: string;
      StartPos, Length: Integer; Options: TSearchTypes): Integer;
    function GetSelTextBuf(Buffer: PChar; BufSize: Integer): Integer;
    procedure Print(const Caption: string);
    class procedure RegisterConversionFormat(const AExtension: string;
      AConversionClass: TConversionClass);
    property DefaultConverter: TConversionClass read FDefaultConverter write FDefaultConverter;
    property DefAttributes: TTextAttributes read FDefAttributes write SetDefAttributes;
    property SelAttributes: TTextAttributes read FSelAttributes write SetSelAttributes;
    property PageRect: TRect read FPageRect write FPageRect;
    property Paragraph: TParaAttributes read FParagraph;
  end;

  TRichEdit = class(TCustomRichEdit)
  published
    property Align;
    property Alignment;
    property BorderStyle;
    property Color;
    property Ctl3D;
    property DragCursor;
    property DragMode;
    property Enabled;
    property Font;
    property HideSelection;
    property HideScrollBars;
    property ImeMode;
    property ImeName;
    property Lines;
    property MaxLength;
    property ParentColor;
    property ParentCtl3D;
    property ParentFont;
    property ParentShowHint;
    property PlainText;
    property PopupMenu;
    property ReadOnly;
    property ScrollBars;
    property ShowHint;
    property TabOrder;
    property TabStop;
    property Visible;
    property WantTabs;
    property WantReturns;
    property WordWrap;
    property OnChange;
    property OnDragDrop;
    property OnDragOver;
    property OnEndDrag;
    property OnEnter;
    property OnExit;
    property OnKeyDown;
    property OnKeyPress;
    property OnKeyUp;
    property OnMouseDown;
    property OnMouseMove;
    property OnMouseUp;
    property OnProtectChange;
    property OnResizeRequest;
    property OnSaveClipboard;
    property OnSelectionChange;
    property OnStartDrag;
  end;

  { TUpDown }
  TUDAlignButton = (udLeft, udRight);
  TUDOrientation = (udHorizontal, udVertical);
  TUDBtnType = (btNext, btPrev);
  TUDClickEvent = procedure(Sender: TObject; Button: TUDBtnType) of object;
  TUDChangingEvent = procedure(Sender: TObject; var AllowChange: Boolean) of object;

  TCustomUpDown = class(TWinControl)
  private
    FArrowKeys: Boolean;
    FAssociate: TWinControl;
    FMin: Smallint;
    FMax: Smallint;
    FIncrement: Integer;
    FPosition: Smallint;
    FThousands: Boolean;
    FWrap: Boolean;
    FOnClick: TUDClickEvent;
    FAlignButton: TUDAlignButton;
    FOrientation: TUDOrientation;
    FOnChanging: TUDChangingEvent;
    procedure UndoAutoResizing(Value: TWinControl);
    procedure SetAssociate(Value: TWinControl);
    function GetPosition: Smallint;
    procedure SetMin(Value: Smallint);
    procedure SetMax(Value: Smallint);
    procedure SetIncrement(Value: Integer);
    procedure SetPosition(Value: Smallint);
    procedure SetAlignButton(Value: TUDAlignButton);
    procedure SetOrientation(Value: TUDOrientation);
    procedure SetArrowKeys(Value: Boolean);
    procedure SetThousands(Value: Boolean);
    procedure SetWrap(Value: Boolean);
    procedure CNNotify(var Message: TWMNotify); message CN_NOTIFY;
    procedure WMHScroll(var Message: TWMHScroll); message CN_HSCROLL;
    procedure WMVScroll(var Message: TWMVScroll); message CN_VSCROLL;
  protected
    function CanChange: Boolean; dynamic;
    procedure CreateParams(var Params: TCreateParams); override;
    procedure CreateWnd; override;
    procedure Notification(AComponent: TComponent;
      Operation: TOperation); override;
    procedure Click(Button: TUDBtnType); dynamic;
    property AlignButton: TUDAlignButton read FAlignButton write SetAlignButton default udRight;
    property ArrowKeys: Boolean read FArrowKeys write SetArrowKeys default True;
    property Associate: TWinControl read FAssociate write SetAssociate;
    property Min: Smallint read FMin write SetMin;
    property Max: Smallint read FMax write SetMax default 100;
    property Increment: Integer read FIncrement write SetIncrement default 1;
    property Orientation: TUDOrientation read FOrientation write SetOrientation default udVertical;
    property Position: Smallint read GetPosition write SetPosition;
    property Thousands: Boolean read FThousands write SetThousands default True;
    property Wrap: Boolean read FWrap write SetWrap;
    property OnChanging: TUDChangingEvent read FOnChanging write FOnChanging;
    property OnClick: TUDClickEvent read FOnClick write FOnClick;
  public
    constructor Create(AOwner: TComponent); override;
  end;

  TUpDown = class(TCustomUpDown)
  published
    property AlignButton;
    property Associate;
    property ArrowKeys;
    property Enabled;
    property Hint;
    property Min;
    property Max;
    property Increment;
    property Orientation;
    property ParentShowHint;
    property PopupMenu;
    property Position;
    property ShowHint;
    property TabOrder;
    property TabStop;
    property Thousands;
    property Visible;
    property Wrap;
    property OnChanging;
    property OnClick;
    property OnEnter;
    property OnExit;
    property OnMouseDown;
    property OnMouseMove;
    property OnMouseUp;
  end;

  { THotKey }
  THKModifier = (hkShift, hkCtrl, hkAlt, hkExt);
  THKModifiers = set of THKModifier;
  THKInvalidKey = (hcNone, hcShift, hcCtrl, hcAlt, hcShiftCtrl,
    hcShiftAlt, hcCtrlAlt, hcShiftCtrlAlt);
  THKInvalidKeys = set of THKInvalidKey;

  TCustomHotKey = class(TWinControl)
  private
    FAutoSize: Boolean;
    FModifiers: THKModifiers;
    FInvalidKeys: THKInvalidKeys;
    FHotKey: Word;
    procedure AdjustHeight;
    procedure SetAutoSize(Value: Boolean);
    procedure SetInvalidKeys(Value: THKInvalidKeys);
    procedure SetModifiers(Value: THKModifiers);
    procedure UpdateHeight;
    function GetHotKey: TShortCut;
    procedure SetHotKey(Value: TShortCut);
    procedure ShortCutToHotKey(Value: TShortCut);
    function HotKeyToShortCut(Value: Longint): TShortCut;
  protected
    procedure CreateParams(var Params: TCreateParams); override;
    procedure CreateWnd; override;
    property AutoSize: Boolean read FAutoSize write SetAutoSize default True;
    property InvalidKeys: THKInvalidKeys read FInvalidKeys write SetInvalidKeys;
    property Modifiers: THKModifiers read FModifiers write SetModifiers;
    property HotKey: TShortCut read GetHotKey write SetHotKey;
    property TabStop default True;
  public
    constructor Create(AOwner: TComponent); override;
  end;

  THotKey = class(TCustomHotKey)
  published
    property AutoSize;
    property Enabled;
    property Hint;
    property HotKey;
    property InvalidKeys;
    property Modifiers;
    property ParentShowHint;
    property PopupMenu;
    property ShowHint;
    property TabOrder;
    property TabStop;
    property Visible;
    property OnEnter;
    property OnExit;
  end;

  { TListView }
  TCustomListView = class;
  TListItems = class;

  TListColumn = class(TCollectionItem)
  private
    FCaption: string;
    FAlignment: TAlignment;
    FWidth: Integer;
    procedure DoChange;
    function GetWidth: Integer;
    procedure SetAlignment(Value: TAlignment);
    procedure SetCaption(const Value: string);
    procedure SetWidth(Value: Integer);
  public
    constructor Create(Collection: TCollection); override;
    destructor Destroy; override;
    procedure Assign(Source: TPersistent); override;
  published
    property Alignment: TAlignment read FAlignment write SetAlignment default taLeftJustify;
    property Caption: string read FCaption write SetCaption;
    property Width: Integer read GetWidth write SetWidth default 50;
  end;

  TListColumns = class(TCollection)
  private
    FOwner: TCustomListView;
    function GetItem(Index: Integer): TListColumn;
    procedure SetItem(Index: Integer; Value: TListColumn);
  protected
    procedure Update(Item: TCollectionItem); override;
  public
    constructor Create(AOwner: TCustomListView);
    function Add: TListColumn;
    property Owner: TCustomListView read FOwner;
    property Items[Index: Integer]: TListColumn read GetItem write SetItem; default;
  end;

  TDisplayCode = (drBounds, drIcon, drLabel, drSelectBounds);

  TListItem = class(TPersistent)
  private
    FOwner: TListItems;
    FSubItems: TStrings;
    FData: Pointer;
    FImageIndex: Integer;
    FOverlayIndex: Integer;
    FStateIndex: Integer;
    FCaption: string;
    FDeleting: Boolean;
    function GetHandle: HWND;
    function GetIndex: Integer;
    function GetListView: TCustomListView;
    function GetLeft: Integer;
    function GetState(Index: Integer): Boolean;
    function GetTop: Integer;
    function IsEqual(Item: TListItem): Boolean;
    procedure SetCaption(const Value: string);
    procedure SetData(Value: Pointer);
    procedure SetImage(Index: Integer; Value: Integer);
    procedure SetLeft(Value: Integer);
    procedure SetState(Index: Integer; State: Boolean);
    procedure SetSubItems(Value: TStrings);
    procedure SetTop(Value: Integer);
  public
    constructor Create(AOwner: TListItems);
    destructor Destroy; override;
    procedure Assign(Source: TPersistent); override;
    procedure CancelEdit;
    procedure Delete;
    function DisplayRect(Code: TDisplayCode): TRect;
    function EditCaption: Boolean;
    function GetPosition: TPoint;
    procedure MakeVisible(PartialOK: Boolean);
    procedure Update;
    procedure SetPosition(const Value: TPoint);
    property Caption: string read FCaption write SetCaption;
    property Cut: Boolean index 0 read GetState write SetState;
    property Data: Pointer read FData write SetData;
    property DropTarget: Boolean index 1 read GetState write SetState;
    property Focused: Boolean index 2 read GetState write SetState;
    property Handle: HWND read GetHandle;
    property ImageIndex: Integer index 0 read FImageIndex write SetImage;
    property Index: Integer read GetIndex;
    property Left: Integer read GetLeft write SetLeft;
    property ListView: TCustomListView read GetListView;
    property Owner: TListItems read FOwner;
    property OverlayIndex: Integer index 1 read FOverlayIndex write SetImage;
    property Selected: Boolean index 3 read GetState write SetState;
    property StateIndex: Integer index 2 read FStateIndex write SetImage;
    property SubItems: TStrings read FSubItems write SetSubItems;
    property Top: Integer read GetTop write SetTop;
  end;

  TListItems = class(TPersistent)
  private
    FOwner: TCustomListView;
    FUpdateCount: Integer;
    FNoRedraw: Boolean;
    procedure ReadData(Stream: TStream);
    procedure WriteData(Stream: TStream);
  protected
    procedure DefineProperties(Filer: TFiler); override;
    function CreateItem(Index: Integer; ListItem: TListItem): TLVItem;
    function GetCount: Integer;
    function GetHandle: HWND;
    function GetItem(Index: Integer): TListItem;
    procedure SetItem(Index: Integer; Value: TListItem);
    procedure SetUpdateState(Updating: Boolean);
  public
    constructor Create(AOwner: TCustomListView);
    destructor Destroy; override;
    function Add: TListItem;
    procedure Assign(Source: TPersistent); override;
    procedure BeginUpdate;
    procedure Clear;
    procedure Delete(Index: Integer);
    procedure EndUpdate;
    function IndexOf(Value: TListItem): Integer;
    function Insert(Index: Integer): TListItem;
    property Count: Integer read GetCount;
    property Handle: HWND read GetHandle;
    property Item[Index: Integer]: TListItem read GetItem write SetItem; default;
    property Owner: TCustomListView read FOwner;
  end;

  TIconArrangement = (iaTop, iaLeft);
  TListArrangement = (arAlignBottom, arAlignLeft, arAlignRight,
    arAlignTop, arDefault, arSnapToGrid);
  TViewStyle = (vsIcon, vsSmallIcon, vsList, vsReport);
  TItemState = (isNone, isCut, isDropHilited, isFocused, isSelected);
  TItemStates = set of TItemState;
  TItemChange = (ctText, ctImage, ctState);
  TItemFind = (ifData, ifPartialString, ifExactString, ifNearest);
  TSearchDirection = (sdLeft, sdRight, sdAbove, sdBelow, sdAll);

  TLVDeletedEvent = procedure(Sender: TObject; Item: TListItem) of object;
  TLVEditingEvent = procedure(Sender: TObject; Item: TListItem;
    var AllowEdit: Boolean) of object;
  TLVEditedEvent = procedure(Sender: TObject; Item: TListItem; var S: string) of object;
  TLVChangeEvent = procedure(Sender: TObject; Item: TListItem;
    Change: TItemChange) of object;
  TLVChangingEvent = procedure(Sender: TObject; Item: TListItem;
    Change: TItemChange; var AllowChange: Boolean) of object;
  TLVColumnClickEvent = procedure(Sender: TObject; Column: TListColumn) of object;
  TLVCompareEvent = procedure(Sender: TObject; Item1, Item2: TListItem;
    Data: Integer; var Compare: Integer) of object;

  TCustomListView = class(TWinControl)
  private
    FCanvas: TCanvas;
    FBorderStyle: TBorderStyle;
    FViewStyle: TViewStyle;
    FReadOnly: Boolean;
    FLargeImages: TCustomImageList;
    FSmallImages: TCustomImageList;
    FStateImages: TCustomImageList;
    FDragImage: TDragImageList;
    FMultiSelect: Boolean;
    FSortType: TSortType;
    FColumnClick: Boolean;
    FShowColumnHeaders: Boolean;
    FListItems: TListItems;
    FClicked: Boolean;
    FRClicked: Boolean;
    FIconOptions: TObject;
    FHideSelection: Boolean;
    FListColumns: TListColumns;
    FMemStream: TMemoryStream;
    FColStream: TMemoryStream;
    FEditInstance: Pointer;
    FDefEditProc: Pointer;
    FEditHandle: HWND;
    FHeaderInstance: Pointer;
    FDefHeaderProc: Pointer;
    FHeaderHandle: HWND;
    FAllocBy: Integer;
    FDragIndex: Integer;
    FLastDropTarget: TListItem;
    FCheckboxes: Boolean;
    FOnChange: TLVChangeEvent;
    FOnChanging: TLVChangingEvent;
    FOnColumnClick: TLVColumnClickEvent;
    FOnDeletion: TLVDeletedEvent;
    FOnEdited: TLVEditedEvent;
    FOnEditing: TLVEditingEvent;
    FOnInsert: TLVDeletedEvent;
    FOnCompare: TLVCompareEvent;
    procedure CMColorChanged(var Message: TMessage); message CM_COLORCHANGED;
    procedure CMCtl3DChanged(var Message: TMessage); message CM_CTL3DCHANGED;
    procedure CMFontChanged(var Message: TMessage); message CM_FONTCHANGED;
    procedure CNNotify(var Message: TWMNotify); message CN_NOTIFY;
    procedure DoDragOver(Source: TDragObject; X, Y: Integer; CanDrop: Boolean);
    procedure EditWndProc(var Message: TMessage);
    function GetBoundingRect: TRect;
    function GetColumnFromIndex(Index: Integer): TListColumn;
    function GetDropTarget: TListItem;
    function GetFocused: TListItem;
    function GetItemIndex(Value: TListItem): Integer;
    function GetSelCount: Integer;
    function GetSelection: TListItem;
    function GetTopItem: TListItem;
    function GetViewOrigin: TPoint;
    function GetVisibleRowCount: Integer;
    procedure HeaderWndProc(var Message: TMessage);
    procedure ImageListChange(Sender: TObject);
    procedure SetBorderStyle(Value: TBorderStyle);
    procedure SetColumnClick(Value: Boolean);
    procedure SetColumnHeaders(Value: Boolean);
    procedure SetDropTarget(Value: TListItem);
    procedure SetFocused(Value: TListItem);
    procedure SetHideSelection(Value: Boolean);
    procedure SetLargeImages(Value: TCustomImageList);
    procedure SetAllocBy(Value: Integer);
    procedure SetItems(Value: TListItems);
    procedure SetListColumns(Value: TListColumns);
    procedure SetMultiSelect(Value: Boolean);
    procedure SetReadOnly(Value: Boolean);
    procedure SetSmallImages(Value: TCustomImageList);
    procedure SetSortType(Value: TSortType);
    procedure SetSelection(Value: TListItem);
    procedure SetStateImages(Value: TCustomImageList);
    procedure SetViewStyle(Value: TViewStyle);
    procedure UpdateColumns;
    procedure WMLButtonDown(var Message: TWMLButtonDown); message WM_LBUTTONDOWN;
    procedure WMNotify(var Message: TWMNotify); message WM_NOTIFY;
  protected
    function CanChange(Item: TListItem; Change: Integer): Boolean; dynamic;
    function CanEdit(Item: TListItem): Boolean; dynamic;
    procedure Change(Item: TListItem; Change: Integer); dynamic;
    procedure ColClick(Column: TListColumn); dynamic;
    function ColumnsShowing: Boolean;
    procedure CreateParams(var Params: TCreateParams); override;
    procedure CreateWnd; override;
    procedure Delete(Item: TListItem); dynamic;
    procedure DestroyWnd; override;
    procedure DoEndDrag(Target: TObject; X, Y: Integer); override;
    procedure DoStartDrag(var DragObject: TDragObject); override;
    procedure Edit(const Item: TLVItem); dynamic;
    function GetDragImages: TCustomImageList; virtual;
    function GetItemFromPos(X, Y: Integer): TListItem;
    procedure InsertItem(Item: TListItem); dynamic;
    procedure Notification(AComponent: TComponent; Operation: TOperation); override;
    procedure UpdateItems(FirstIndex, LastIndex: Integer);
    property AllocBy: Integer read FAllocBy write SetAllocBy default 0;
    property BorderStyle: TBorderStyle read FBorderStyle write SetBorderStyle default bsSingle;
    property Columns: TListColumns read FListColumns write SetListColumns;
    property ColumnClick: Boolean read FColumnClick write SetColumnClick default True;
    property HideSelection: Boolean read FHideSelection write SetHideSelection default True;
    property Items: TListItems read FListItems write SetItems;
    property LargeImages: TCustomImageList read FLargeImages write SetLargeImages;
    property MultiSelect: Boolean read FMultiSelect write SetMultiSelect default False;
    property OnChange: TLVChangeEvent read FOnChange write FOnChange;
    property OnChanging: TLVChangingEvent read FOnChanging write FOnChanging;
    property OnColumnClick: TLVColumnClickEvent read FOnColumnClick write FOnColumnClick;
    property OnCompare: TLVCompareEvent read FOnCompare write FOnCompare;
    property OnDeletion: TLVDeletedEvent read FOnDeletion write FOnDeletion;
    property OnEdited: TLVEditedEvent read FOnEdited write FOnEdited;
    property OnEditing: TLVEditingEvent read FOnEditing write FOnEditing;
    property OnInsert: TLVDeletedEvent read FOnInsert write FOnInsert;
    property ReadOnly: Boolean read FReadOnly write SetReadOnly default False;
    property ShowColumnHeaders: Boolean read FShowColumnHeaders write SetColumnHeaders default True;
    property SmallImages: TCustomImageList read FSmallImages write SetSmallImages;
    property SortType: TSortType read FSortType write SetSortType default stNone;
    property StateImages: TCustomImageList read FStateImages write SetStateImages;
    property ViewStyle: TViewStyle read FViewStyle write SetViewStyle default vsIcon;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    function AlphaSort: Boolean;
    procedure Arrange(Code: TListArrangement);
    function FindCaption(StartIndex: Integer; Value: string;
      Partial, Inclusive, Wrap: Boolean): TListItem;
    function FindData(StartIndex: Integer; Value: Pointer;
      Inclusive, Wrap: Boolean): TListItem;
    function GetHitTestInfoAt(X, Y: Integer): THitTests;
    function GetItemAt(X, Y: Integer): TListItem;
    function GetNearestItem(Point: TPoint; Direction: TSearchDirection): TListItem;
    function GetNextItem(StartItem: TListItem; Direction: TSearchDirection;
      States: TItemStates): TListItem;
    function GetSearchString: string;
    function IsEditing: Boolean;
    procedure Scroll(DX, DY: Integer);
    property Canvas: TCanvas read FCanvas;
    property Column[Index: Integer]: TListColumn read GetColumnFromIndex;
    property DropTarget: TListItem read GetDropTarget write SetDropTarget;
    property ItemFocused: TListItem read GetFocused write SetFocused;
    property SelCount: Integer read GetSelCount;
    property Selected: TListItem read GetSelection write SetSelection;
    function CustomSort(SortProc: TLVCompare; lParam: Longint): Boolean;
    function StringWidth(S: string): Integer;
    procedure UpdateItemsRange(FirstIndex, LastIndex: Integer);
    property TopItem: TListItem read GetTopItem;
    property ViewOrigin: TPoint read GetViewOrigin;
    property VisibleRowCount: Integer read GetVisibleRowCount;
    property BoundingRect: TRect read GetBoundingRect;
  end;

  TListView = class(TCustomListView)
  published
    property Align;
    property AllocBy;
    property BorderStyle;
    property Color;
    property ColumnClick;
    property OnClick;
    property OnDblClick;
    property Columns;
    property Ctl3D;
    property DragMode;
    property ReadOnly;
    property Font;
    property HideSelection;
    property Items;
    property MultiSelect;
    property OnChange;
    property OnChanging;
    property OnColumnClick;
    property OnCompare;
    property OnDeletion;
    property OnEdited;
    property OnEditing;
    property OnEnter;
    property OnExit;
    property OnInsert;
    property OnDragDrop;
    property OnDragOver;
    property DragCursor;
    property OnStartDrag;
    property OnEndDrag;
    property OnMouseDown;
    property OnMouseMove;
    property OnMouseUp;
    property ParentColor;
    property ParentFont;
    property ParentShowHint;
    property ShowHint;
    property PopupMenu;
    property ShowColumnHeaders;
    property SortType;
    property TabOrder;
    property TabStop;
    property ViewStyle;
    property Visible;
    property OnKeyDown;
    property OnKeyPress;
    property OnKeyUp;
    property LargeImages;
    property SmallImages;
    property StateImages;
  end;

  HImageList = THandle;
  TTVCompare = function(lParam1, lParam2, lParamSort: Longint): Integer stdcall;
  TLVCompare = function(lParam1, lParam2, lParamSort: Longint): Integer stdcall;

  TLVItem = record
    mask: Cardinal;
    iItem: Integer;
    iSubItem: Integer;
    state: Cardinal;
    stateMask: Cardinal;
    pszText: PChar;
    cchTextMax: Integer;
    iImage: Integer;
    lParam: Longint;
  end;

const
  CM_SYSCOLORCHANGE = CM_BASE + 36;
  CM_WININICHANGE = CM_BASE + 37;
  WM_NOTIFYFORMAT = $0055;
  WM_CONTEXTMENU = $007B;

procedure InitCommonControls; stdcall;

implementation

const
  comctl32 = 'comctl32.dll';

procedure InitCommonControls; external comctl32 name 'InitCommonControls';

{ TCustomTabControl }

function TCustomTabControl.GetDisplayRect: TRect;
begin
  FillChar(Result, SizeOf(Result), 0);
end;

function TCustomTabControl.GetTabIndex: Integer;
begin
  Result := SendMessage(Handle, TCM_GETCURSEL, 0, 0);
end;

procedure TCustomTabControl.ImageListChange(Sender: TObject);
begin
end;

function TCustomTabControl.InternalSetMultiLine(Value: Boolean): Boolean;
begin
  Result := False;
end;

procedure TCustomTabControl.SetHotTrack(Value: Boolean);
begin
  if FHotTrack <> Value then
  begin
    FHotTrack := Value;
    Invalidate;
  end;
end;

procedure TCustomTabControl.SetImages(Value: TCustomImageList);
begin
  FImages := Value;
  if Value <> nil then Value.FreeNotification(Self);
end;

procedure TCustomTabControl.SetMultiLine(Value: Boolean);
begin
  if FMultiLine <> Value then
  begin
    FMultiLine := Value;
    RecreateWnd;
  end;
end;

procedure TCustomTabControl.SetOwnerDraw(Value: Boolean);
begin
  if FOwnerDraw <> Value then
  begin
    FOwnerDraw := Value;
    Invalidate;
  end;
end;

procedure TCustomTabControl.SetRaggedRight(Value: Boolean);
begin
  if FRaggedRight <> Value then
  begin
    FRaggedRight := Value;
    Invalidate;
  end;
end;

procedure TCustomTabControl.SetScrollOpposite(Value: Boolean);
begin
  if FScrollOpposite <> Value then
  begin
    FScrollOpposite := Value;
    Invalidate;
  end;
end;

procedure TCustomTabControl.SetTabHeight(Value: Smallint);
begin
end;

procedure TCustomTabControl.SetTabPosition(Value: TTabPosition);
begin
  if FTabPosition <> Value then
  begin
    FTabPosition := Value;
    Invalidate;
  end;
end;

procedure TCustomTabControl.SetTabs(Value: TStrings);
begin
  FTabs.Assign(Value);
end;

procedure TCustomTabControl.SetTabWidth(Value: Smallint);
begin
end;

procedure TCustomTabControl.TabsChanged;
begin
end;

procedure TCustomTabControl.UpdateTabSize;
begin
end;

procedure TCustomTabControl.CMFontChanged(var Message: TMessage);
begin
  inherited;
  Invalidate;
end;

procedure TCustomTabControl.CMSysColorChange(var Message: TMessage);
begin
  inherited;
end;

procedure TCustomTabControl.CMTabStopChanged(var Message: TMessage);
begin
  inherited;
  Invalidate;
end;

procedure TCustomTabControl.CNNotify(var Message: TWMNotify);
begin
  inherited;
end;

procedure TCustomTabControl.CMDialogChar(var Message: TCMDialogChar);
begin
  inherited;
end;

procedure TCustomTabControl.WMDestroy(var Message: TWMDestroy);
begin
  inherited;
end;

procedure TCustomTabControl.WMNotifyFormat(var Message: TMessage);
begin
  inherited;
end;

procedure TCustomTabControl.WMSize(var Message: TMessage);
begin
  inherited;
end;

procedure TCustomTabControl.AdjustClientRect(var Rect: TRect);
begin
end;

function TCustomTabControl.CanChange: Boolean;
begin
  Result := True;
  if Assigned(FOnChanging) then FOnChanging(Self, Result);
end;

function TCustomTabControl.CanShowTab(TabIndex: Integer): Boolean;
begin
  Result := False;
end;

procedure TCustomTabControl.Change;
begin
  if Assigned(FOnChange) then FOnChange(Self);
end;

procedure TCustomTabControl.CreateParams(var Params: TCreateParams);
begin
  inherited CreateParams(Params);
end;

procedure TCustomTabControl.CreateWnd;
begin
  inherited CreateWnd;
end;

procedure TCustomTabControl.DestroyWnd;
begin
  inherited DestroyWnd;
end;

procedure TCustomTabControl.DrawTab(TabIndex: Integer; const Rect: TRect;
  Active: Boolean);
begin
  FCanvas.FillRect(Rect);
  FCanvas.TextOut(Rect.Left + 4, Rect.Top + 2, Tabs[TabIndex]);
end;

function TCustomTabControl.GetImageIndex(TabIndex: Integer): Integer;
begin
  Result := 0;
end;

procedure TCustomTabControl.Loaded;
begin
  inherited Loaded;
end;

procedure TCustomTabControl.UpdateTabImages;
begin
end;

procedure TCustomTabControl.Notification(AComponent: TComponent; Operation: TOperation);
begin
  inherited Notification(AComponent, Operation);
  if Operation = opRemove then
  begin
    if AComponent = FImages then FImages := nil;
  end;
end;

constructor TCustomTabControl.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  Width := 289;
  Height := 193;
  TabStop := True;
  ControlStyle := [csAcceptsControls, csDoubleClicks];
  FTabs := TStringList.Create;
  FCanvas := TControlCanvas.Create;
  TControlCanvas(FCanvas).Control := Self;
  FImageChangeLink := TChangeLink.Create;
  FImageChangeLink.OnChange := ImageListChange;
end;

destructor TCustomTabControl.Destroy;
begin
  FCanvas.Free;
  FTabs.Free;
  FSaveTabs.Free;
  FImageChangeLink.Free;
  inherited Destroy;
end;

function TCustomTabControl.IndexOfTabAt(X, Y: Integer): Integer;
begin
  Result := 0;
end;

function TCustomTabControl.GetHitTestInfoAt(X, Y: Integer): THitTests;
begin
  Result := [];
end;

function TCustomTabControl.TabRect(Index: Integer): TRect;
begin
  FillChar(Result, SizeOf(Result), 0);
end;

procedure TCustomTabControl.SetTabIndex(Value: Integer);
begin
  SendMessage(Handle, TCM_SETCURSEL, Value, 0);
end;

{ TTabSheet }

function TTabSheet.GetPageIndex: Integer;
begin
  if FPageControl <> nil then
    Result := FPageControl.FPages.IndexOf(Self)
  else
    Result := -1;
end;

function TTabSheet.GetTabIndex: Integer;
begin
  Result := 0;
end;

procedure TTabSheet.SetHighlighted(Value: Boolean);
begin
  if FHighlighted <> Value then
  begin
    FHighlighted := Value;
    Invalidate;
  end;
end;

procedure TTabSheet.SetImageIndex(Value: Integer);
begin
  if FImageIndex <> Value then
  begin
    FImageIndex := Value;
    Invalidate;
  end;
end;

procedure TTabSheet.SetPageControl(APageControl: TPageControl);
begin
  if FPageControl <> APageControl then
  begin
    if FPageControl <> nil then FPageControl.RemovePage(Self);
    Parent := APageControl;
    if APageControl <> nil then APageControl.InsertPage(Self);
  end;
end;

procedure TTabSheet.SetPageIndex(Value: Integer);
begin
end;

procedure TTabSheet.SetTabShowing(Value: Boolean);
begin
  if FTabShowing <> Value then
  begin
    FTabShowing := Value;
    Invalidate;
  end;
end;

procedure TTabSheet.SetTabVisible(Value: Boolean);
begin
  if FTabVisible <> Value then
  begin
    FTabVisible := Value;
    Invalidate;
  end;
end;

procedure TTabSheet.UpdateTabShowing;
begin
end;

procedure TTabSheet.CMTextChanged(var Message: TMessage);
begin
  inherited;
  Invalidate;
end;

procedure TTabSheet.CreateParams(var Params: TCreateParams);
begin
  inherited CreateParams(Params);
end;

procedure TTabSheet.ReadState(Reader: TReader);
begin
  inherited ReadState(Reader);
end;

constructor TTabSheet.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  Align := alClient;
  ControlStyle := ControlStyle + [csAcceptsControls, csNoDesignVisible];
  Visible := False;
  FTabVisible := True;
end;

destructor TTabSheet.Destroy;
begin
  if FPageControl <> nil then FPageControl.RemovePage(Self);
  inherited Destroy;
end;

{ TPageControl }

procedure TPageControl.ChangeActivePage(Page: TTabSheet);
begin
end;

procedure TPageControl.DeleteTab(Page: TTabSheet; Index: Integer);
begin
end;

function TPageControl.GetActivePageIndex: Integer;
begin
  Result := 0;
end;

function TPageControl.GetPage(Index: Integer): TTabSheet;
begin
  Result := FPages[Index];
end;

function TPageControl.GetPageCount: Integer;
begin
  Result := FPages.Count;
end;

procedure TPageControl.InsertPage(Page: TTabSheet);
begin
  FPages.Add(Page);
  Page.FPageControl := Self;
  Page.UpdateTabShowing;
end;

procedure TPageControl.InsertTab(Page: TTabSheet);
begin
end;

procedure TPageControl.MoveTab(CurIndex, NewIndex: Integer);
begin
end;

procedure TPageControl.RemovePage(Page: TTabSheet);
begin
  if FActivePage = Page then SetActivePage(nil);
  Page.SetTabShowing(False);
  Page.FPageControl := nil;
  FPages.Remove(Page);
end;

procedure TPageControl.SetActivePage(Page: TTabSheet);
begin
  if (Page <> nil) and (Page.PageControl <> Self) then Exit;
  ChangeActivePage(Page);
  if Page = nil then
    TabIndex := -1
  else if Page = FActivePage then
    TabIndex := Page.TabIndex;
end;

procedure TPageControl.SetActivePageIndex(const Value: Integer);
begin
end;

procedure TPageControl.UpdateTab(Page: TTabSheet);
begin
end;

procedure TPageControl.UpdateActivePage;
begin
end;

procedure TPageControl.CMDesignHitTest(var Message: TCMDesignHitTest);
begin
  inherited;
end;

procedure TPageControl.CMDialogKey(var Message: TCMDialogKey);
begin
  inherited;
end;

function TPageControl.CanShowTab(TabIndex: Integer): Boolean;
begin
  Result := inherited CanShowTab(TabIndex);
end;

procedure TPageControl.Change;
begin
  inherited Change;
end;

procedure TPageControl.GetChildren(Proc: TGetChildProc);
begin
  inherited GetChildren(Proc);
end;

function TPageControl.GetImageIndex(TabIndex: Integer): Integer;
begin
  Result := inherited GetImageIndex(TabIndex);
end;

procedure TPageControl.SetChildOrder(Child: TComponent; Order: Integer);
begin
  inherited SetChildOrder(Child, Order);
end;

procedure TPageControl.ShowControl(AControl: TControl);
begin
  inherited ShowControl(AControl);
end;

constructor TPageControl.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  ControlStyle := [csDoubleClicks];
  FPages := TList.Create;
end;

destructor TPageControl.Destroy;
var
  I: Integer;
begin
  for I := 0 to FPages.Count - 1 do TTabSheet(FPages[I]).FPageControl := nil;
  FPages.Free;
  inherited Destroy;
end;

function TPageControl.FindNextPage(CurPage: TTabSheet;
  GoForward, CheckTabVisible: Boolean): TTabSheet;
var
  I, StartIndex: Integer;
begin
  if FPages.Count <> 0 then
  begin
    StartIndex := FPages.IndexOf(CurPage);
    if StartIndex = -1 then
      if GoForward then StartIndex := FPages.Count - 1 else StartIndex := 0;
    I := StartIndex;
    repeat
      if GoForward then
      begin
        Inc(I);
        if I = FPages.Count then I := 0;
      end
      else
      begin
        if I = 0 then I := FPages.Count;
        Dec(I);
      end;
      Result := FPages[I];
      if not CheckTabVisible or Result.TabVisible then Exit;
    until I = StartIndex;
  end;
  Result := nil;
end;

procedure TPageControl.SelectNextPage(GoForward: Boolean);
var
  Page: TTabSheet;
begin
  Page := FindNextPage(ActivePage, GoForward, True);
  if (Page <> nil) and (Page <> ActivePage) and CanChange then
  begin
    TabIndex := Page.TabIndex;
    Change;
  end;
end;

{ TStatusPanel }

procedure TStatusPanel.SetAlignment(Value: TAlignment);
begin
  if FAlignment <> Value then
  begin
    FAlignment := Value;
    Changed;
  end;
end;

procedure TStatusPanel.SetBevel(Value: TStatusPanelBevel);
begin
  if FBevel <> Value then
  begin
    FBevel := Value;
    Changed;
  end;
end;

procedure TStatusPanel.SetStyle(Value: TStatusPanelStyle);
begin
  if FStyle <> Value then
  begin
    FStyle := Value;
    Changed;
  end;
end;

procedure TStatusPanel.SetText(const Value: string);
begin
  if FText <> Value then
  begin
    FText := Value;
    Changed;
  end;
end;

procedure TStatusPanel.SetWidth(Value: Integer);
begin
  if FWidth <> Value then
  begin
    FWidth := Value;
    Changed;
  end;
end;

constructor TStatusPanel.Create(Collection: TCollection);
begin
  FWidth := 50;
  FBevel := pbLowered;
  inherited Create(Collection);
end;

procedure TStatusPanel.Assign(Source: TPersistent);
begin
  if Source is TStatusPanel then
  begin
    Alignment := TStatusPanel(Source).Alignment;
    Bevel := TStatusPanel(Source).Bevel;
    Style := TStatusPanel(Source).Style;
    Text := TStatusPanel(Source).Text;
    Width := TStatusPanel(Source).Width;
  end
  else
    inherited Assign(Source);
end;

{ TStatusPanels }

function TStatusPanels.GetItem(Index: Integer): TStatusPanel;
begin
  Result := TStatusPanel(inherited GetItem(Index));
end;

procedure TStatusPanels.SetItem(Index: Integer; Value: TStatusPanel);
begin
  inherited SetItem(Index, Value);
end;

procedure TStatusPanels.Update(Item: TCollectionItem);
begin
  if Item <> nil then
    FStatusBar.UpdatePanel(Item.Index)
  else
    FStatusBar.UpdatePanels;
end;

constructor TStatusPanels.Create(StatusBar: TStatusBar);
begin
  inherited Create(TStatusPanel);
  FStatusBar := StatusBar;
end;

function TStatusPanels.Add: TStatusPanel;
begin
  Result := TStatusPanel(inherited Add);
end;

{ TStatusBar }

procedure TStatusBar.SetPanels(Value: TStatusPanels);
begin
  FPanels.Assign(Value);
end;

procedure TStatusBar.SetSimplePanel(Value: Boolean);
begin
  if FSimplePanel <> Value then
  begin
    FSimplePanel := Value;
    Invalidate;
  end;
end;

procedure TStatusBar.UpdateSimpleText;
begin
end;

procedure TStatusBar.SetSimpleText(const Value: string);
begin
  if FSimpleText <> Value then
  begin
    FSimpleText := Value;
    Invalidate;
  end;
end;

procedure TStatusBar.SetSizeGrip(Value: Boolean);
begin
  if FSizeGrip <> Value then
  begin
    FSizeGrip := Value;
    Invalidate;
  end;
end;

procedure TStatusBar.UpdatePanel(Index: Integer);
begin
end;

procedure TStatusBar.UpdatePanels;
begin
end;

procedure TStatusBar.CMWinIniChange(var Message: TMessage);
begin
  inherited;
end;

procedure TStatusBar.CNDrawItem(var Message: TWMDrawItem);
begin
  inherited;
end;

procedure TStatusBar.WMSize(var Message: TWMSize);
begin
  inherited;
end;

procedure TStatusBar.CreateParams(var Params: TCreateParams);
begin
  inherited CreateParams(Params);
end;

procedure TStatusBar.CreateWnd;
begin
  inherited CreateWnd;
end;

procedure TStatusBar.DrawPanel(Panel: TStatusPanel; const Rect: TRect);
begin
end;

procedure TStatusBar.Resize;
begin
  if Assigned(FOnResize) then FOnResize(Self);
end;

constructor TStatusBar.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  ControlStyle := [csCaptureMouse, csClickEvents, csDoubleClicks, csOpaque];
  Color := clBtnFace;
  Height := 19;
  Align := alBottom;
  FPanels := TStatusPanels.Create(Self);
  FCanvas := TControlCanvas.Create;
  TControlCanvas(FCanvas).Control := Self;
  FSizeGrip := True;
end;

destructor TStatusBar.Destroy;
begin
  FCanvas.Free;
  FPanels.Free;
  inherited Destroy;
end;

{ THeaderSection }

function THeaderSection.GetLeft: Integer;
begin
  Result := 0;
end;

function THeaderSection.GetRight: Integer;
begin
  Result := 0;
end;

procedure THeaderSection.SetAlignment(Value: TAlignment);
begin
  if FAlignment <> Value then
  begin
    FAlignment := Value;
    Changed;
  end;
end;

procedure THeaderSection.SetMaxWidth(Value: Integer);
begin
  if FMaxWidth <> Value then
  begin
    FMaxWidth := Value;
    Changed;
  end;
end;

procedure THeaderSection.SetMinWidth(Value: Integer);
begin
  if FMinWidth <> Value then
  begin
    FMinWidth := Value;
    Changed;
  end;
end;

procedure THeaderSection.SetStyle(Value: THeaderSectionStyle);
begin
  if FStyle <> Value then
  begin
    FStyle := Value;
    Changed;
  end;
end;

procedure THeaderSection.SetText(const Value: string);
begin
  if FText <> Value then
  begin
    FText := Value;
    Changed;
  end;
end;

procedure THeaderSection.SetWidth(Value: Integer);
begin
  if FWidth <> Value then
  begin
    FWidth := Value;
    Changed;
  end;
end;

constructor THeaderSection.Create(Collection: TCollection);
begin
  inherited Create(Collection);
  FAlignment := taLeftJustify;
  FAllowClick := True;
  FMaxWidth := 10000;
  FMinWidth := 0;
  FStyle := hsText;
end;

procedure THeaderSection.Assign(Source: TPersistent);
begin
  if Source is THeaderSection then
  begin
    Alignment := THeaderSection(Source).Alignment;
    AllowClick := THeaderSection(Source).AllowClick;
    MaxWidth := THeaderSection(Source).MaxWidth;
    MinWidth := THeaderSection(Source).MinWidth;
    Style := THeaderSection(Source).Style;
    Text := THeaderSection(Source).Text;
    Width := THeaderSection(Source).Width;
  end
  else
    inherited Assign(Source);
end;

{ THeaderSections }

function THeaderSections.GetItem(Index: Integer): THeaderSection;
begin
  Result := THeaderSection(inherited GetItem(Index));
end;

procedure THeaderSections.SetItem(Index: Integer; Value: THeaderSection);
begin
end;

procedure THeaderSections.Update(Item: TCollectionItem);
begin
  inherited Update(Item);
end;

constructor THeaderSections.Create(HeaderControl: THeaderControl);
begin
  inherited Create(THeaderSection);
  FHeaderControl := HeaderControl;
end;

function THeaderSections.Add: THeaderSection;
begin
  Result := THeaderSection(inherited Add);
end;

{ THeaderControl }

procedure THeaderControl.SetHotTrack(Value: Boolean);
begin
  if FHotTrack <> Value then
  begin
    FHotTrack := Value;
    Invalidate;
  end;
end;

procedure THeaderControl.SetSections(Value: THeaderSections);
begin
  FSections.Assign(Value);
end;

procedure THeaderControl.UpdateItem(Message, Index: Integer);
begin
end;

procedure THeaderControl.UpdateSection(Index: Integer);
begin
end;

procedure THeaderControl.UpdateSections;
begin
end;

procedure THeaderControl.CNDrawItem(var Message: TWMDrawItem);
begin
  inherited;
end;

procedure THeaderControl.CNNotify(var Message: TWMNotify);
begin
  inherited;
end;

procedure THeaderControl.WMSize(var Message: TWMSize);
begin
  inherited;
end;

procedure THeaderControl.CreateParams(var Params: TCreateParams);
begin
  inherited CreateParams(Params);
end;

procedure THeaderControl.CreateWnd;
begin
  inherited CreateWnd;
end;

procedure THeaderControl.DrawSection(Section: THeaderSection; const Rect: TRect;
      Pressed: Boolean);
begin
end;

procedure THeaderControl.Resize;
begin
  if Assigned(FOnResize) then FOnResize(Self);
end;

procedure THeaderControl.SectionClick(Section: THeaderSection);
begin
end;

procedure THeaderControl.SectionResize(Section: THeaderSection);
begin
end;

procedure THeaderControl.SectionTrack(Section: THeaderSection; Width: Integer;
      State: TSectionTrackState);
begin
end;

constructor THeaderControl.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  ControlStyle := [];
  Align := alTop;
  Height := 17;
  FSections := THeaderSections.Create(Self);
  FCanvas := TControlCanvas.Create;
  TControlCanvas(FCanvas).Control := Self;
end;

destructor THeaderControl.Destroy;
begin
  FCanvas.Free;
  FSections.Free;
  inherited Destroy;
end;

{ TTreeNode }

function TTreeNode.CompareCount(CompareMe: Integer): Boolean;
begin
  Result := False;
end;

function TTreeNode.DoCanExpand(Expand: Boolean): Boolean;
begin
  Result := False;
end;

procedure TTreeNode.DoExpand(Expand: Boolean);
begin
end;

procedure TTreeNode.ExpandItem(Expand: Boolean; Recurse: Boolean);
begin
end;

function TTreeNode.GetAbsoluteIndex: Integer;
begin
  Result := 0;
end;

function TTreeNode.GetExpanded: Boolean;
begin
  Result := False;
end;

function TTreeNode.GetLevel: Integer;
var
  Node: TTreeNode;
begin
  Result := 0;
  Node := Parent;
  while Node <> nil do
  begin
    Inc(Result);
    Node := Node.Parent;
  end;
end;

function TTreeNode.GetParent: TTreeNode;
begin
  Result := nil;
end;

function TTreeNode.GetChildren: Boolean;
begin
  Result := False;
end;

function TTreeNode.GetCut: Boolean;
begin
  Result := False;
end;

function TTreeNode.GetDropTarget: Boolean;
begin
  Result := False;
end;

function TTreeNode.GetFocused: Boolean;
begin
  Result := False;
end;

function TTreeNode.GetIndex: Integer;
begin
  Result := 0;
end;

function TTreeNode.GetItem(Index: Integer): TTreeNode;
begin
  Result := nil;
end;

function TTreeNode.GetSelected: Boolean;
begin
  Result := False;
end;

function TTreeNode.GetState(NodeState: TNodeState): Boolean;
begin
  Result := False;
end;

function TTreeNode.GetCount: Integer;
begin
  Result := 0;
end;

function TTreeNode.GetTreeView: TCustomTreeView;
begin
  Result := nil;
end;

procedure TTreeNode.InternalMove(ParentNode, Node: TTreeNode; HItem: HTreeItem;
      AddMode: TAddMode);
begin
end;

function TTreeNode.IsEqual(Node: TTreeNode): Boolean;
begin
  Result := False;
end;

function TTreeNode.IsNodeVisible: Boolean;
begin
  Result := False;
end;

procedure TTreeNode.ReadData(Stream: TStream; Info: PNodeInfo);
begin
end;

procedure TTreeNode.SetChildren(Value: Boolean);
begin
end;

procedure TTreeNode.SetCut(Value: Boolean);
begin
end;

procedure TTreeNode.SetData(Value: Pointer);
begin
  FData := Value;
end;

procedure TTreeNode.SetDropTarget(Value: Boolean);
begin
end;

procedure TTreeNode.SetItem(Index: Integer; Value: TTreeNode);
begin
end;

procedure TTreeNode.SetExpanded(Value: Boolean);
begin
end;

procedure TTreeNode.SetFocused(Value: Boolean);
begin
end;

procedure TTreeNode.SetImageIndex(Value: Integer);
begin
  FImageIndex := Value;
end;

procedure TTreeNode.SetOverlayIndex(Value: Integer);
begin
  FOverlayIndex := Value;
end;

procedure TTreeNode.SetSelectedIndex(Value: Integer);
begin
  FSelectedIndex := Value;
end;

procedure TTreeNode.SetSelected(Value: Boolean);
begin
end;

procedure TTreeNode.SetStateIndex(Value: Integer);
begin
  FStateIndex := Value;
end;

procedure TTreeNode.SetText(const S: string);
var
  Item: TTVItem;
begin
  FText := S;
  with Item do
  begin
    mask := TVIF_TEXT;
    hItem := ItemId;
    pszText := LPSTR_TEXTCALLBACK;
  end;
  TreeView_SetItem(Handle, Item);
  if (TreeView.SortType in [stText, stBoth]) and FInTree then
  begin
    if (Parent <> nil) then Parent.AlphaSort
    else TreeView.AlphaSort;
  end;
end;

procedure TTreeNode.WriteData(Stream: TStream; Info: PNodeInfo);
begin
end;

constructor TTreeNode.Create(AOwner: TTreeNodes);
begin
  inherited Create;
  FOverlayIndex := -1;
  FStateIndex := -1;
  FOwner := AOwner;
end;

destructor TTreeNode.Destroy;
begin
  FDeleting := True;
  if Owner.Owner.FLastDropTarget = Self then
    Owner.Owner.FLastDropTarget := nil;
  Data := nil;
  inherited Destroy;
end;

function TTreeNode.AlphaSort: Boolean;
begin
  Result := False;
end;

procedure TTreeNode.Assign(Source: TPersistent);
begin
  if Source is TTreeNode then
  begin
    Cut := TTreeNode(Source).Cut;
    Data := TTreeNode(Source).Data;
    Focused := TTreeNode(Source).Focused;
    DropTarget := TTreeNode(Source).DropTarget;
    Selected := TTreeNode(Source).Selected;
    Expanded := TTreeNode(Source).Expanded;
    HasChildren := TTreeNode(Source).HasChildren;
    ImageIndex := TTreeNode(Source).ImageIndex;
    OverlayIndex := TTreeNode(Source).OverlayIndex;
    SelectedIndex := TTreeNode(Source).SelectedIndex;
    StateIndex := TTreeNode(Source).StateIndex;
    Text := TTreeNode(Source).Text;
  end
  else
    inherited Assign(Source);
end;

procedure TTreeNode.Collapse(Recurse: Boolean);
begin
  ExpandItem(False, Recurse);
end;

procedure TTreeNode.Delete;
begin
  if not Deleting then Free;
end;

procedure TTreeNode.DeleteChildren;
begin
  TreeView_Expand(TreeView.Handle, ItemID, TVE_COLLAPSE or TVE_COLLAPSERESET);
  HasChildren := False;
end;

function TTreeNode.DisplayRect(TextOnly: Boolean): TRect;
begin
  FillChar(Result, SizeOf(Result), 0);
end;

function TTreeNode.EditText: Boolean;
begin
  Result := False;
end;

procedure TTreeNode.EndEdit(Cancel: Boolean);
begin
end;

procedure TTreeNode.Expand(Recurse: Boolean);
begin
  if HasChildren and not Expanded then ExpandItem(True, Recurse);
end;

function TTreeNode.GetFirstChild: TTreeNode;
begin
  Result := nil;
end;

function TTreeNode.GetHandle: HWND;
begin
  Result := 0;
end;

function TTreeNode.GetLastChild: TTreeNode;
begin
  Result := nil;
end;

function TTreeNode.GetNext: TTreeNode;
var
  NodeID, ParentID: HTreeItem;
  Handle: HWND;
begin
  Handle := FOwner.Handle;
  NodeID := TreeView_GetChild(Handle, ItemId);
  if NodeID = nil then NodeID := TreeView_GetNextSibling(Handle, ItemId);
  ParentID := ItemId;
  while (NodeID = nil) and (ParentID <> nil) do
  begin
    ParentID := TreeView_GetParent(Handle, ParentID);
    NodeID := TreeView_GetNextSibling(Handle, ParentID);
  end;
  Result := FOwner.GetNode(NodeID);
end;

function TTreeNode.GetNextChild(Value: TTreeNode): TTreeNode;
begin
  Result := nil;
end;

function TTreeNode.GetNextSibling: TTreeNode;
begin
  Result := nil;
end;

function TTreeNode.GetNextVisible: TTreeNode;
begin
  Result := nil;
end;

function TTreeNode.GetPrev: TTreeNode;
begin
  Result := nil;
end;

function TTreeNode.GetPrevChild(Value: TTreeNode): TTreeNode;
begin
  Result := nil;
end;

function TTreeNode.GetPrevSibling: TTreeNode;
begin
  Result := nil;
end;

function TTreeNode.GetPrevVisible: TTreeNode;
begin
  Result := nil;
end;

function TTreeNode.HasAsParent(Value: TTreeNode): Boolean;
begin
  if Value <> nil then
  begin
    if Parent = nil then Result := False
    else if Parent = Value then Result := True
    else Result := Parent.HasAsParent(Value);
  end
  else
    Result := True;
end;

function TTreeNode.IndexOf(Value: TTreeNode): Integer;
begin
  Result := 0;
end;

procedure TTreeNode.MakeVisible;
begin
end;

procedure TTreeNode.MoveTo(Destination: TTreeNode; Mode: TNodeAttachMode);
begin
end;

{ TTreeNodes }

procedure TTreeNodes.AddedNode(Value: TTreeNode);
begin
end;

function TTreeNodes.GetHandle: HWND;
begin
  Result := 0;
end;

function TTreeNodes.GetNodeFromIndex(Index: Integer): TTreeNode;
begin
  Result := nil;
end;

procedure TTreeNodes.ReadData(Stream: TStream);
begin
end;

procedure TTreeNodes.Repaint(Node: TTreeNode);
begin
end;

procedure TTreeNodes.WriteData(Stream: TStream);
begin
end;

function TTreeNodes.AddItem(Parent, Target: HTreeItem; const Item: Pointer;
      AddMode: TAddMode): HTreeItem;
begin
  Result := nil;
end;

function TTreeNodes.InternalAddObject(Node: TTreeNode; const S: string;
      Ptr: Pointer; AddMode: TAddMode): TTreeNode;
begin
  Result := nil;
end;

procedure TTreeNodes.DefineProperties(Filer: TFiler);
begin
  inherited DefineProperties(Filer);
end;

function TTreeNodes.GetCount: Integer;
begin
  Result := 0;
end;

procedure TTreeNodes.SetItem(Index: Integer; Value: TTreeNode);
begin
end;

procedure TTreeNodes.SetUpdateState(Updating: Boolean);
begin
end;

constructor TTreeNodes.Create(AOwner: TCustomTreeView);
begin
  inherited Create;
  FOwner := AOwner;
end;

destructor TTreeNodes.Destroy;
begin
  Clear;
  inherited Destroy;
end;

function TTreeNodes.AddChildFirst(Node: TTreeNode; const S: string): TTreeNode;
begin
  Result := nil;
end;

function TTreeNodes.AddChild(Node: TTreeNode; const S: string): TTreeNode;
begin
  Result := AddChildObject(Node, S, nil);
end;

function TTreeNodes.AddChildObjectFirst(Node: TTreeNode; const S: string;
      Ptr: Pointer): TTreeNode;
begin
  Result := nil;
end;

function TTreeNodes.AddChildObject(Node: TTreeNode; const S: string;
  Ptr: Pointer): TTreeNode;
begin
  Result := InternalAddObject(Node, S, Ptr, taAdd);
end;

function TTreeNodes.AddFirst(Node: TTreeNode; const S: string): TTreeNode;
begin
  Result := nil;
end;

function TTreeNodes.Add(Node: TTreeNode; const S: string): TTreeNode;
begin
  Result := AddObject(Node, S, nil);
end;

function TTreeNodes.AddObjectFirst(Node: TTreeNode; const S: string;
      Ptr: Pointer): TTreeNode;
begin
  Result := nil;
end;

function TTreeNodes.AddObject(Node: TTreeNode; const S: string;
  Ptr: Pointer): TTreeNode;
begin
  if Node <> nil then Node := Node.Parent;
  Result := InternalAddObject(Node, S, Ptr, taAdd);
end;

procedure TTreeNodes.Assign(Source: TPersistent);
begin
  inherited Assign(Source);
end;

procedure TTreeNodes.BeginUpdate;
begin
  if FUpdateCount = 0 then SetUpdateState(True);
  Inc(FUpdateCount);
end;

procedure TTreeNodes.Clear;
begin
  if Owner.HandleAllocated then
    TreeView_DeleteAllItems(Handle);
end;

procedure TTreeNodes.Delete(Node: TTreeNode);
begin
  if (Node.ItemId = nil) and Assigned(Owner.FOnDeletion) then
    Owner.FOnDeletion(Self, Node);
  Node.Delete;
end;

procedure TTreeNodes.EndUpdate;
begin
  Dec(FUpdateCount);
  if FUpdateCount = 0 then SetUpdateState(False);
end;

function TTreeNodes.GetFirstNode: TTreeNode;
begin
  Result := nil;
end;

function TTreeNodes.GetNode(ItemId: HTreeItem): TTreeNode;
begin
  Result := nil;
end;

function TTreeNodes.Insert(Node: TTreeNode; const S: string): TTreeNode;
begin
  Result := nil;
end;

function TTreeNodes.InsertObject(Node: TTreeNode; const S: string;
      Ptr: Pointer): TTreeNode;
begin
  Result := nil;
end;

{ TCustomTreeView }

procedure TCustomTreeView.CMColorChanged(var Message: TMessage);
begin
  inherited;
  Invalidate;
end;

procedure TCustomTreeView.CMCtl3DChanged(var Message: TMessage);
begin
  inherited;
  Invalidate;
end;

procedure TCustomTreeView.CMFontChanged(var Message: TMessage);
begin
  inherited;
  Invalidate;
end;

procedure TCustomTreeView.CMDrag(var Message: TMessage);
begin
  inherited;
end;

procedure TCustomTreeView.CNNotify(var Message: TWMNotify);
begin
  inherited;
end;

procedure TCustomTreeView.EditWndProc(var Message: TMessage);
begin
end;

procedure TCustomTreeView.DoDragOver(Source: TDragObject; X, Y: Integer; CanDrop: Boolean);
begin
end;

function TCustomTreeView.GetDropTarget: TTreeNode;
begin
  Result := nil;
end;

function TCustomTreeView.GetIndent: Integer;
begin
  Result := 0;
end;

function TCustomTreeView.GetNodeFromItem(const Item: Pointer): TTreeNode;
begin
  Result := nil;
end;

function TCustomTreeView.GetSelection: TTreeNode;
begin
  Result := nil;
end;

function TCustomTreeView.GetTopItem: TTreeNode;
begin
  Result := nil;
end;

procedure TCustomTreeView.ImageListChange(Sender: TObject);
begin
end;

procedure TCustomTreeView.SetBorderStyle(Value: TBorderStyle);
begin
  if FBorderStyle <> Value then
  begin
    FBorderStyle := Value;
    RecreateWnd;
  end;
end;

procedure TCustomTreeView.SetButtonStyle(Value: Boolean);
begin
  if FShowButtons <> Value then
  begin
    FShowButtons := Value;
    Invalidate;
  end;
end;

procedure TCustomTreeView.SetDropTarget(Value: TTreeNode);
begin
end;

procedure TCustomTreeView.SetHideSelection(Value: Boolean);
begin
  if FHideSelection <> Value then
  begin
    FHideSelection := Value;
    RecreateWnd;
  end;
end;

procedure TCustomTreeView.SetImageList(Value: HImageList; Flags: Integer);
begin
end;

procedure TCustomTreeView.SetIndent(Value: Integer);
begin
end;

procedure TCustomTreeView.SetImages(Value: TCustomImageList);
begin
  FImages := Value;
  if Value <> nil then Value.FreeNotification(Self);
end;

procedure TCustomTreeView.SetLineStyle(Value: Boolean);
begin
  if FShowLines <> Value then
  begin
    FShowLines := Value;
    Invalidate;
  end;
end;

procedure TCustomTreeView.SetReadOnly(Value: Boolean);
begin
  if FReadOnly <> Value then
  begin
    FReadOnly := Value;
    Invalidate;
  end;
end;

procedure TCustomTreeView.SetRootStyle(Value: Boolean);
begin
  if FShowRoot <> Value then
  begin
    FShowRoot := Value;
    Invalidate;
  end;
end;

procedure TCustomTreeView.SetSelection(Value: TTreeNode);
begin
end;

procedure TCustomTreeView.SetSortType(Value: TSortType);
begin
  if FSortType <> Value then
  begin
    FSortType := Value;
    Invalidate;
  end;
end;

procedure TCustomTreeView.SetStateImages(Value: TCustomImageList);
begin
  FStateImages := Value;
  if Value <> nil then Value.FreeNotification(Self);
end;

procedure TCustomTreeView.SetStyle(Value: Integer; UseStyle: Boolean);
begin
end;

procedure TCustomTreeView.SetTreeNodes(Value: TTreeNodes);
begin
  FTreeNodes.Assign(Value);
end;

procedure TCustomTreeView.SetTopItem(Value: TTreeNode);
begin
end;

procedure TCustomTreeView.OnChangeTimer(Sender: TObject);
begin
end;

procedure TCustomTreeView.WMLButtonDown(var Message: TWMLButtonDown);
begin
  inherited;
end;

procedure TCustomTreeView.WMNotify(var Message: TWMNotify);
begin
  inherited;
end;

procedure TCustomTreeView.WMContextMenu(var Message: TMessage);
begin
  inherited;
end;

function TCustomTreeView.CanEdit(Node: TTreeNode): Boolean;
begin
  Result := True;
  if Assigned(FOnEditing) then FOnEditing(Self, Node, Result);
end;

function TCustomTreeView.CanChange(Node: TTreeNode): Boolean;
begin
  Result := True;
  if Assigned(FOnChanging) then FOnChanging(Self, Node, Result);
end;

function TCustomTreeView.CanCollapse(Node: TTreeNode): Boolean;
begin
  Result := True;
  if Assigned(FOnCollapsing) then FOnCollapsing(Self, Node, Result);
end;

function TCustomTreeView.CanExpand(Node: TTreeNode): Boolean;
begin
  Result := True;
  if Assigned(FOnExpanding) then FOnExpanding(Self, Node, Result);
end;

procedure TCustomTreeView.Change(Node: TTreeNode);
begin
  if Assigned(FOnChange) then FOnChange(Self, Node);
end;

procedure TCustomTreeView.Collapse(Node: TTreeNode);
begin
end;

function TCustomTreeView.CreateNode: TTreeNode;
begin
  Result := TTreeNode.Create(Items);
end;

procedure TCustomTreeView.CreateParams(var Params: TCreateParams);
begin
  inherited CreateParams(Params);
end;

procedure TCustomTreeView.CreateWnd;
begin
  inherited CreateWnd;
end;

procedure TCustomTreeView.DestroyWnd;
begin
  inherited DestroyWnd;
end;

procedure TCustomTreeView.DoEndDrag(Target: TObject; X, Y: Integer);
begin
  inherited DoEndDrag(Target, X, Y);
end;

procedure TCustomTreeView.DoStartDrag(var DragObject: TDragObject);
begin
  inherited DoStartDrag(DragObject);
end;

procedure TCustomTreeView.Edit(const Item: Pointer);
begin
end;

procedure TCustomTreeView.Expand(Node: TTreeNode);
begin
end;

function TCustomTreeView.GetDragImages: TCustomImageList;
begin
  Result := nil;
end;

procedure TCustomTreeView.GetImageIndex(Node: TTreeNode);
begin
  if Assigned(FOnGetImageIndex) then FOnGetImageIndex(Self, Node);
end;

procedure TCustomTreeView.GetSelectedIndex(Node: TTreeNode);
begin
  if Assigned(FOnGetSelectedIndex) then FOnGetSelectedIndex(Self, Node);
end;

procedure TCustomTreeView.Loaded;
begin
  inherited Loaded;
end;

procedure TCustomTreeView.Notification(AComponent: TComponent;
      Operation: TOperation);
begin
  inherited Notification(AComponent, Operation);
  if Operation = opRemove then
  begin
    if AComponent = FImages then FImages := nil;
    if AComponent = FStateImages then FStateImages := nil;
    if AComponent = FDragImage then FDragImage := nil;
  end;
end;

procedure TCustomTreeView.SetDragMode(Value: TDragMode);
begin
  inherited SetDragMode(Value);
end;

procedure TCustomTreeView.WndProc(var Message: TMessage);
begin
  inherited WndProc(Message);
end;

constructor TCustomTreeView.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  ControlStyle := ControlStyle - [csCaptureMouse] + [csDisplayDragImage, csReflector];
  Width := 121;
  Height := 97;
  TabStop := True;
  ParentColor := False;
  FTreeNodes := TTreeNodes.Create(Self);
  FBorderStyle := bsSingle;
  FShowButtons := True;
  FShowRoot := True;
  FShowLines := True;
  FHideSelection := True;
  FDragImage := TDragImageList.CreateSize(32, 32);
  FImageChangeLink := TChangeLink.Create;
  FImageChangeLink.OnChange := ImageListChange;
  FStateChangeLink := TChangeLink.Create;
  FStateChangeLink.OnChange := ImageListChange;
end;

destructor TCustomTreeView.Destroy;
begin
  Items.Free;
  FSaveItems.Free;
  FDragImage.Free;
  FMemStream.Free;
  FImageChangeLink.Free;
  FStateChangeLink.Free;
  inherited Destroy;
end;

function TCustomTreeView.AlphaSort: Boolean;
begin
  Result := False;
end;

function TCustomTreeView.CustomSort(SortProc: TTVCompare; Data: Longint): Boolean;
begin
  Result := False;
end;

procedure TCustomTreeView.FullCollapse;
var
  Node: TTreeNode;
begin
  Node := Items.GetFirstNode;
  while Node <> nil do
  begin
    Node.Collapse(True);
    Node := Node.GetNextSibling;
  end;
end;

procedure TCustomTreeView.FullExpand;
var
  Node: TTreeNode;
begin
  Node := Items.GetFirstNode;
  while Node <> nil do
  begin
    Node.Expand(True);
    Node := Node.GetNextSibling;
  end;
end;

function TCustomTreeView.GetHitTestInfoAt(X, Y: Integer): THitTests;
begin
  Result := [];
end;

function TCustomTreeView.GetNodeAt(X, Y: Integer): TTreeNode;
begin
  Result := nil;
end;

function TCustomTreeView.IsEditing: Boolean;
begin
  Result := False;
end;

procedure TCustomTreeView.LoadFromFile(const FileName: string);
begin
end;

procedure TCustomTreeView.LoadFromStream(Stream: TStream);
begin
end;

procedure TCustomTreeView.SaveToFile(const FileName: string);
begin
end;

procedure TCustomTreeView.SaveToStream(Stream: TStream);
begin
end;

{ TTrackBar }

procedure TTrackBar.SetOrientation(Value: TTrackBarOrientation);
begin
  if FOrientation <> Value then
  begin
    FOrientation := Value;
    Invalidate;
  end;
end;

procedure TTrackBar.SetParams(APosition, AMin, AMax: Integer);
begin
end;

procedure TTrackBar.SetPosition(Value: Integer);
begin
  if FPosition <> Value then
  begin
    FPosition := Value;
    Invalidate;
  end;
end;

procedure TTrackBar.SetMin(Value: Integer);
begin
  if FMin <> Value then
  begin
    FMin := Value;
    Invalidate;
  end;
end;

procedure TTrackBar.SetMax(Value: Integer);
begin
  if FMax <> Value then
  begin
    FMax := Value;
    Invalidate;
  end;
end;

procedure TTrackBar.SetFrequency(Value: Integer);
begin
  if FFrequency <> Value then
  begin
    FFrequency := Value;
    Invalidate;
  end;
end;

procedure TTrackBar.SetTickStyle(Value: TTickStyle);
begin
  if FTickStyle <> Value then
  begin
    FTickStyle := Value;
    Invalidate;
  end;
end;

procedure TTrackBar.SetTickMarks(Value: TTickMark);
begin
  if FTickMarks <> Value then
  begin
    FTickMarks := Value;
    Invalidate;
  end;
end;

procedure TTrackBar.SetLineSize(Value: Integer);
begin
  if FLineSize <> Value then
  begin
    FLineSize := Value;
    Invalidate;
  end;
end;

procedure TTrackBar.SetPageSize(Value: Integer);
begin
  if FPageSize <> Value then
  begin
    FPageSize := Value;
    Invalidate;
  end;
end;

procedure TTrackBar.SetSelStart(Value: Integer);
begin
  if FSelStart <> Value then
  begin
    FSelStart := Value;
    Invalidate;
  end;
end;

procedure TTrackBar.SetSelEnd(Value: Integer);
begin
  if FSelEnd <> Value then
  begin
    FSelEnd := Value;
    Invalidate;
  end;
end;

procedure TTrackBar.UpdateSelection;
begin
end;

procedure TTrackBar.CNHScroll(var Message: TWMHScroll);
begin
  inherited;
end;

procedure TTrackBar.CNVScroll(var Message: TWMVScroll);
begin
  inherited;
end;

procedure TTrackBar.CreateParams(var Params: TCreateParams);
begin
  inherited CreateParams(Params);
end;

procedure TTrackBar.CreateWnd;
begin
  inherited CreateWnd;
end;

procedure TTrackBar.DestroyWnd;
begin
  inherited DestroyWnd;
end;

procedure TTrackBar.Changed;
begin
  if Assigned(FOnChange) then FOnChange(Self);
end;

constructor TTrackBar.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  Width := 150;
  Height := 45;
  TabStop := True;
  FMin := 0;
  FMax := 10;
  FLineSize := 1;
  FPageSize := 2;
  FFrequency := 1;
  FTickMarks := tmBottomRight;
  FTickStyle := tsAuto;
  FOrientation := trHorizontal;
  ControlStyle := ControlStyle - [csDoubleClicks];
end;

procedure TTrackBar.SetTick(Value: Integer);
begin
end;

{ TProgressBar }

procedure TProgressBar.SetParams(AMin, AMax: TProgressRange);
begin
end;

procedure TProgressBar.SetMin(Value: TProgressRange);
begin
  if FMin <> Value then
  begin
    FMin := Value;
    Invalidate;
  end;
end;

procedure TProgressBar.SetMax(Value: TProgressRange);
begin
  if FMax <> Value then
  begin
    FMax := Value;
    Invalidate;
  end;
end;

procedure TProgressBar.SetPosition(Value: TProgressRange);
begin
  if FPosition <> Value then
  begin
    FPosition := Value;
    Invalidate;
  end;
end;

procedure TProgressBar.SetStep(Value: TProgressRange);
begin
  if FStep <> Value then
  begin
    FStep := Value;
    Invalidate;
  end;
end;

procedure TProgressBar.CreateParams(var Params: TCreateParams);
begin
  inherited CreateParams(Params);
end;

procedure TProgressBar.CreateWnd;
begin
  inherited CreateWnd;
end;

constructor TProgressBar.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  Width := 150;
  Height := GetSystemMetrics(SM_CYVSCROLL);
  FMin := 0;
  FMax := 100;
  FStep := 10;
end;

procedure TProgressBar.StepIt;
begin
  if HandleAllocated then SendMessage(Handle, PBM_STEPIT, 0, 0);
end;

procedure TProgressBar.StepBy(Delta: TProgressRange);
begin
  Position := Position + Delta;
end;

{ TTextAttributes }

function TTextAttributes.GetColor: TColor;
begin
  Result := 0;
end;

procedure TTextAttributes.SetColor(Value: TColor);
begin
end;

function TTextAttributes.GetConsistentAttributes: TConsistentAttributes;
begin
  Result := [];
end;

function TTextAttributes.GetHeight: Integer;
begin
  Result := 0;
end;

procedure TTextAttributes.SetHeight(Value: Integer);
begin
end;

function TTextAttributes.GetName: TFontName;
begin
  Result := '';
end;

procedure TTextAttributes.SetName(Value: TFontName);
begin
end;

function TTextAttributes.GetPitch: TFontPitch;
begin
  Result := fpDefault;
end;

procedure TTextAttributes.SetPitch(Value: TFontPitch);
begin
end;

function TTextAttributes.GetProtected: Boolean;
begin
  Result := False;
end;

procedure TTextAttributes.SetProtected(Value: Boolean);
begin
end;

function TTextAttributes.GetSize: Integer;
begin
  Result := 0;
end;

procedure TTextAttributes.SetSize(Value: Integer);
begin
end;

function TTextAttributes.GetStyle: TFontStyles;
begin
  Result := [];
end;

procedure TTextAttributes.SetStyle(Value: TFontStyles);
begin
end;

procedure TTextAttributes.AssignTo(Dest: TPersistent);
begin
  inherited AssignTo(Dest);
end;

constructor TTextAttributes.Create(AOwner: TCustomRichEdit; AttributeType: TAttributeType);
begin
  inherited Create;
end;

procedure TTextAttributes.Assign(Source: TPersistent);
begin
  if Source is TTextAttributes then
  begin
    Color := TTextAttributes(Source).Color;
    Name := TTextAttributes(Source).Name;
    Pitch := TTextAttributes(Source).Pitch;
    Protected := TTextAttributes(Source).Protected;
    Size := TTextAttributes(Source).Size;
    Style := TTextAttributes(Source).Style;
    Height := TTextAttributes(Source).Height;
  end
  else
    inherited Assign(Source);
end;

{ TParaAttributes }

function TParaAttributes.GetAlignment: TAlignment;
begin
  Result := taLeftJustify;
end;

function TParaAttributes.GetFirstIndent: Longint;
begin
  Result := 0;
end;

function TParaAttributes.GetLeftIndent: Longint;
begin
  Result := 0;
end;

function TParaAttributes.GetRightIndent: Longint;
begin
  Result := 0;
end;

function TParaAttributes.GetNumbering: TNumberingStyle;
begin
  Result := nsNone;
end;

function TParaAttributes.GetTab(Index: Byte): Longint;
begin
  Result := 0;
end;

function TParaAttributes.GetTabCount: Integer;
begin
  Result := 0;
end;

procedure TParaAttributes.SetAlignment(Value: TAlignment);
begin
end;

procedure TParaAttributes.SetFirstIndent(Value: Longint);
begin
end;

procedure TParaAttributes.SetLeftIndent(Value: Longint);
begin
end;

procedure TParaAttributes.SetRightIndent(Value: Longint);
begin
end;

procedure TParaAttributes.SetNumbering(Value: TNumberingStyle);
begin
end;

procedure TParaAttributes.SetTab(Index: Byte; Value: Longint);
begin
end;

procedure TParaAttributes.SetTabCount(Value: Integer);
begin
end;

constructor TParaAttributes.Create(AOwner: TCustomRichEdit);
begin
  inherited Create;
end;

procedure TParaAttributes.Assign(Source: TPersistent);
begin
  if Source is TParaAttributes then
  begin
    Alignment := TParaAttributes(Source).Alignment;
    FirstIndent := TParaAttributes(Source).FirstIndent;
    LeftIndent := TParaAttributes(Source).LeftIndent;
    Numbering := TParaAttributes(Source).Numbering;
    RightIndent := TParaAttributes(Source).RightIndent;
    TabCount := TParaAttributes(Source).TabCount;
  end
  else
    inherited Assign(Source);
end;

{ TConversion }

function TConversion.ConvertReadStream(Stream: TStream; Buffer: PChar; BufSize: Integer): Integer;
begin
  Result := Stream.Read(Buffer^, BufSize);
end;

function TConversion.ConvertWriteStream(Stream: TStream; Buffer: PChar; BufSize: Integer): Integer;
begin
  Result := Stream.Write(Buffer^, BufSize);
end;

{ TCustomRichEdit }

procedure TCustomRichEdit.CMFontChanged(var Message: TMessage);
begin
  inherited;
  Invalidate;
end;

procedure TCustomRichEdit.CMColorChanged(var Message: TMessage);
begin
  inherited;
  Invalidate;
end;

procedure TCustomRichEdit.CNNotify(var Message: TWMNotify);
begin
  inherited;
end;

function TCustomRichEdit.GetPlainText: Boolean;
begin
  Result := False;
end;

function TCustomRichEdit.ProtectChange(StartPos, EndPos: Integer): Boolean;
begin
  Result := False;
end;

function TCustomRichEdit.SaveClipboard(NumObj, NumChars: Integer): Boolean;
begin
  Result := False;
end;

procedure TCustomRichEdit.SetHideScrollBars(Value: Boolean);
begin
  if FHideScrollBars <> Value then
  begin
    FHideScrollBars := Value;
    Invalidate;
  end;
end;

procedure TCustomRichEdit.SetHideSelection(Value: Boolean);
begin
  if FHideSelection <> Value then
  begin
    FHideSelection := Value;
    RecreateWnd;
  end;
end;

procedure TCustomRichEdit.SetPlainText(Value: Boolean);
begin
end;

procedure TCustomRichEdit.SetRichEditStrings(Value: TStrings);
begin
  FRichEditStrings.Assign(Value);
end;

procedure TCustomRichEdit.SetDefAttributes(Value: TTextAttributes);
begin
  FDefAttributes := Value;
end;

procedure TCustomRichEdit.SetSelAttributes(Value: TTextAttributes);
begin
  FSelAttributes := Value;
end;

procedure TCustomRichEdit.WMNCDestroy(var Message: TWMNoParams);
begin
  inherited;
end;

procedure TCustomRichEdit.WMSetCursor(var Message: TWMSetCursor);
begin
  inherited;
end;

procedure TCustomRichEdit.WMPaint(var Message: TWMPaint);
begin
  inherited;
end;

procedure TCustomRichEdit.CreateParams(var Params: TCreateParams);
begin
  inherited CreateParams(Params);
end;

procedure TCustomRichEdit.CreateWnd;
begin
  inherited CreateWnd;
end;

procedure TCustomRichEdit.DestroyWnd;
begin
  inherited DestroyWnd;
end;

procedure TCustomRichEdit.RequestSize(const Rect: TRect);
begin
end;

procedure TCustomRichEdit.SelectionChange;
begin
  if Assigned(OnSelectionChange) then OnSelectionChange(Self);
end;

constructor TCustomRichEdit.Create(AOwner: TComponent);
var
  DC: HDC;
begin
  inherited Create(AOwner);
  FSelAttributes := TTextAttributes.Create(Self, atSelected);
  FDefAttributes := TTextAttributes.Create(Self, atDefaultText);
  FParagraph := TParaAttributes.Create(Self);
  FRichEditStrings := TStringList.Create;
  FHideScrollBars := True;
  FHideSelection := True;
  DC := GetDC(0);
  FScreenLogPixels := GetDeviceCaps(DC, LOGPIXELSY);
  DefaultConverter := TConversion;
  ReleaseDC(0, DC);
end;

destructor TCustomRichEdit.Destroy;
begin
  FSelAttributes.Free;
  FDefAttributes.Free;
  FParagraph.Free;
  FRichEditStrings.Free;
  FMemStream.Free;
  inherited Destroy;
end;

procedure TCustomRichEdit.Clear;
begin
  inherited Clear;
end;

function TCustomRichEdit.FindText(const SearchStr: string;
      StartPos, Length: Integer; Options: TSearchTypes): Integer;
begin
  Result := 0;
end;

function TCustomRichEdit.GetSelTextBuf(Buffer: PChar; BufSize: Integer): Integer;
begin
  Result := 0;
end;

procedure TCustomRichEdit.Print(const Caption: string);
begin
end;

class procedure TCustomRichEdit.RegisterConversionFormat(const AExtension: string;
      AConversionClass: TConversionClass);
begin
end;

{ TCustomUpDown }

procedure TCustomUpDown.UndoAutoResizing(Value: TWinControl);
begin
end;

procedure TCustomUpDown.SetAssociate(Value: TWinControl);
begin
  FAssociate := Value;
  if Value <> nil then Value.FreeNotification(Self);
end;

function TCustomUpDown.GetPosition: Smallint;
begin
  Result := FPosition;
end;

procedure TCustomUpDown.SetMin(Value: Smallint);
begin
  if FMin <> Value then
  begin
    FMin := Value;
    Invalidate;
  end;
end;

procedure TCustomUpDown.SetMax(Value: Smallint);
begin
  if FMax <> Value then
  begin
    FMax := Value;
    Invalidate;
  end;
end;

procedure TCustomUpDown.SetIncrement(Value: Integer);
begin
  if FIncrement <> Value then
  begin
    FIncrement := Value;
    Invalidate;
  end;
end;

procedure TCustomUpDown.SetPosition(Value: Smallint);
begin
  if FPosition <> Value then
  begin
    FPosition := Value;
    Invalidate;
  end;
end;

procedure TCustomUpDown.SetAlignButton(Value: TUDAlignButton);
begin
  if FAlignButton <> Value then
  begin
    FAlignButton := Value;
    Invalidate;
  end;
end;

procedure TCustomUpDown.SetOrientation(Value: TUDOrientation);
begin
  if FOrientation <> Value then
  begin
    FOrientation := Value;
    Invalidate;
  end;
end;

procedure TCustomUpDown.SetArrowKeys(Value: Boolean);
begin
  if FArrowKeys <> Value then
  begin
    FArrowKeys := Value;
    Invalidate;
  end;
end;

procedure TCustomUpDown.SetThousands(Value: Boolean);
begin
  if FThousands <> Value then
  begin
    FThousands := Value;
    Invalidate;
  end;
end;

procedure TCustomUpDown.SetWrap(Value: Boolean);
begin
  if FWrap <> Value then
  begin
    FWrap := Value;
    Invalidate;
  end;
end;

procedure TCustomUpDown.CNNotify(var Message: TWMNotify);
begin
  inherited;
end;

procedure TCustomUpDown.WMHScroll(var Message: TWMHScroll);
begin
  inherited;
end;

procedure TCustomUpDown.WMVScroll(var Message: TWMVScroll);
begin
  inherited;
end;

function TCustomUpDown.CanChange: Boolean;
begin
  Result := False;
end;

procedure TCustomUpDown.CreateParams(var Params: TCreateParams);
begin
  inherited CreateParams(Params);
end;

procedure TCustomUpDown.CreateWnd;
begin
  inherited CreateWnd;
end;

procedure TCustomUpDown.Notification(AComponent: TComponent;
      Operation: TOperation);
begin
  inherited Notification(AComponent, Operation);
  if Operation = opRemove then
  begin
    if AComponent = FAssociate then FAssociate := nil;
  end;
end;

procedure TCustomUpDown.Click(Button: TUDBtnType);
begin
  if Assigned(FOnClick) then FOnClick(Self, Button);
end;

constructor TCustomUpDown.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  Width := GetSystemMetrics(SM_CXVSCROLL);
  Height := GetSystemMetrics(SM_CYVSCROLL);
  Height := Height + (Height div 2);
  FArrowKeys := True;
  FMax := 100;
  FIncrement := 1;
  FAlignButton := udRight;
  FOrientation := udVertical;
  FThousands := True;
  ControlStyle := ControlStyle - [csDoubleClicks];
end;

{ TCustomHotKey }

procedure TCustomHotKey.AdjustHeight;
begin
end;

procedure TCustomHotKey.SetAutoSize(Value: Boolean);
begin
  if FAutoSize <> Value then
  begin
    FAutoSize := Value;
    Invalidate;
  end;
end;

procedure TCustomHotKey.SetInvalidKeys(Value: THKInvalidKeys);
begin
  if FInvalidKeys <> Value then
  begin
    FInvalidKeys := Value;
    Invalidate;
  end;
end;

procedure TCustomHotKey.SetModifiers(Value: THKModifiers);
begin
  if FModifiers <> Value then
  begin
    FModifiers := Value;
    Invalidate;
  end;
end;

procedure TCustomHotKey.UpdateHeight;
begin
end;

function TCustomHotKey.GetHotKey: TShortCut;
begin
  Result := FHotKey;
end;

procedure TCustomHotKey.SetHotKey(Value: TShortCut);
begin
  if FHotKey <> Value then
  begin
    FHotKey := Value;
    Invalidate;
  end;
end;

procedure TCustomHotKey.ShortCutToHotKey(Value: TShortCut);
begin
end;

function TCustomHotKey.HotKeyToShortCut(Value: Longint): TShortCut;
begin
  Result := 0;
end;

procedure TCustomHotKey.CreateParams(var Params: TCreateParams);
begin
  inherited CreateParams(Params);
end;

procedure TCustomHotKey.CreateWnd;
begin
  inherited CreateWnd;
end;

constructor TCustomHotKey.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FAutoSize := True;
  TabStop := True;
end;

{ TListColumn }

procedure TListColumn.DoChange;
begin
end;

function TListColumn.GetWidth: Integer;
begin
  Result := FWidth;
end;

procedure TListColumn.SetAlignment(Value: TAlignment);
begin
  if FAlignment <> Value then
  begin
    FAlignment := Value;
    Changed;
  end;
end;

procedure TListColumn.SetCaption(const Value: string);
begin
  if FCaption <> Value then
  begin
    FCaption := Value;
    Changed;
  end;
end;

procedure TListColumn.SetWidth(Value: Integer);
begin
  if FWidth <> Value then
  begin
    FWidth := Value;
    Changed;
  end;
end;

constructor TListColumn.Create(Collection: TCollection);
begin
  inherited Create(Collection);
  FWidth := 50;
  FAlignment := taLeftJustify;
end;

destructor TListColumn.Destroy;
begin
  inherited Destroy;
end;

procedure TListColumn.Assign(Source: TPersistent);
begin
  if Source is TListColumn then
  begin
    Alignment := TListColumn(Source).Alignment;
    Caption := TListColumn(Source).Caption;
    Width := TListColumn(Source).Width;
  end
  else
    inherited Assign(Source);
end;

{ TListColumns }

function TListColumns.GetItem(Index: Integer): TListColumn;
begin
  Result := nil;
end;

procedure TListColumns.SetItem(Index: Integer; Value: TListColumn);
begin
end;

procedure TListColumns.Update(Item: TCollectionItem);
begin
  inherited Update(Item);
end;

constructor TListColumns.Create(AOwner: TCustomListView);
begin
  inherited Create(TListColumn);
  FOwner := AOwner;
end;

function TListColumns.Add: TListColumn;
begin
  Result := TListColumn(inherited Add);
end;

{ TListItem }

function TListItem.GetHandle: HWND;
begin
  Result := 0;
end;

function TListItem.GetIndex: Integer;
begin
  Result := 0;
end;

function TListItem.GetListView: TCustomListView;
begin
  Result := nil;
end;

function TListItem.GetLeft: Integer;
begin
  Result := 0;
end;

function TListItem.GetState(Index: Integer): Boolean;
begin
  Result := False;
end;

function TListItem.GetTop: Integer;
begin
  Result := 0;
end;

function TListItem.IsEqual(Item: TListItem): Boolean;
begin
  Result := False;
end;

procedure TListItem.SetCaption(const Value: string);
begin
  FCaption := Value;
end;

procedure TListItem.SetData(Value: Pointer);
begin
  FData := Value;
end;

procedure TListItem.SetImage(Index: Integer; Value: Integer);
begin
end;

procedure TListItem.SetLeft(Value: Integer);
begin
end;

procedure TListItem.SetState(Index: Integer; State: Boolean);
begin
end;

procedure TListItem.SetSubItems(Value: TStrings);
begin
  FSubItems.Assign(Value);
end;

procedure TListItem.SetTop(Value: Integer);
begin
end;

constructor TListItem.Create(AOwner: TListItems);
begin
  FOwner := AOwner;
  FSubItems := TStringList.Create;
  FOverlayIndex := -1;
  FStateIndex := -1;
end;

destructor TListItem.Destroy;
begin
  FDeleting := True;
  if Owner.Owner.FLastDropTarget = Self then
    Owner.Owner.FLastDropTarget := nil;
  FSubItems.Free;
  inherited Destroy;
end;

procedure TListItem.Assign(Source: TPersistent);
begin
  if Source is TListItem then
  begin
    Caption := TListItem(Source).Caption;
    Cut := TListItem(Source).Cut;
    Data := TListItem(Source).Data;
    DropTarget := TListItem(Source).DropTarget;
    Focused := TListItem(Source).Focused;
    ImageIndex := TListItem(Source).ImageIndex;
    Left := TListItem(Source).Left;
    OverlayIndex := TListItem(Source).OverlayIndex;
    Selected := TListItem(Source).Selected;
    StateIndex := TListItem(Source).StateIndex;
    SubItems := TListItem(Source).SubItems;
    Top := TListItem(Source).Top;
  end
  else
    inherited Assign(Source);
end;

procedure TListItem.CancelEdit;
begin
end;

procedure TListItem.Delete;
begin
end;

function TListItem.DisplayRect(Code: TDisplayCode): TRect;
begin
  FillChar(Result, SizeOf(Result), 0);
end;

function TListItem.EditCaption: Boolean;
begin
  Result := False;
end;

function TListItem.GetPosition: TPoint;
begin
  FillChar(Result, SizeOf(Result), 0);
end;

procedure TListItem.MakeVisible(PartialOK: Boolean);
begin
end;

procedure TListItem.Update;
begin
end;

procedure TListItem.SetPosition(const Value: TPoint);
begin
end;

{ TListItems }

procedure TListItems.ReadData(Stream: TStream);
begin
end;

procedure TListItems.WriteData(Stream: TStream);
begin
end;

procedure TListItems.DefineProperties(Filer: TFiler);
begin
  inherited DefineProperties(Filer);
end;

function TListItems.CreateItem(Index: Integer; ListItem: TListItem): TLVItem;
begin
  FillChar(Result, SizeOf(Result), 0);
end;

function TListItems.GetCount: Integer;
begin
  Result := 0;
end;

function TListItems.GetHandle: HWND;
begin
  Result := 0;
end;

function TListItems.GetItem(Index: Integer): TListItem;
begin
  Result := nil;
end;

procedure TListItems.SetItem(Index: Integer; Value: TListItem);
begin
end;

procedure TListItems.SetUpdateState(Updating: Boolean);
begin
end;

constructor TListItems.Create(AOwner: TCustomListView);
begin
  inherited Create;
  FOwner := AOwner;
end;

destructor TListItems.Destroy;
begin
  inherited Destroy;
end;

function TListItems.Add: TListItem;
begin
  Result := Insert(GetCount);
end;

procedure TListItems.Assign(Source: TPersistent);
begin
  inherited Assign(Source);
end;

procedure TListItems.BeginUpdate;
begin
  Inc(FUpdateCount);
end;

procedure TListItems.Clear;
begin
end;

procedure TListItems.Delete(Index: Integer);
begin
end;

procedure TListItems.EndUpdate;
begin
  Dec(FUpdateCount);
end;

function TListItems.IndexOf(Value: TListItem): Integer;
begin
  Result := 0;
end;

function TListItems.Insert(Index: Integer): TListItem;
begin
  Result := nil;
end;

{ TCustomListView }

procedure TCustomListView.CMColorChanged(var Message: TMessage);
begin
  inherited;
  Invalidate;
end;

procedure TCustomListView.CMCtl3DChanged(var Message: TMessage);
begin
  inherited;
  Invalidate;
end;

procedure TCustomListView.CMFontChanged(var Message: TMessage);
begin
  inherited;
  Invalidate;
end;

procedure TCustomListView.CNNotify(var Message: TWMNotify);
begin
  inherited;
end;

procedure TCustomListView.DoDragOver(Source: TDragObject; X, Y: Integer; CanDrop: Boolean);
begin
end;

procedure TCustomListView.EditWndProc(var Message: TMessage);
begin
end;

function TCustomListView.GetBoundingRect: TRect;
begin
  FillChar(Result, SizeOf(Result), 0);
end;

function TCustomListView.GetColumnFromIndex(Index: Integer): TListColumn;
begin
  Result := nil;
end;

function TCustomListView.GetDropTarget: TListItem;
begin
  Result := nil;
end;

function TCustomListView.GetFocused: TListItem;
begin
  Result := nil;
end;

function TCustomListView.GetItemIndex(Value: TListItem): Integer;
begin
  Result := 0;
end;

function TCustomListView.GetSelCount: Integer;
begin
  Result := 0;
end;

function TCustomListView.GetSelection: TListItem;
begin
  Result := nil;
end;

function TCustomListView.GetTopItem: TListItem;
begin
  Result := nil;
end;

function TCustomListView.GetViewOrigin: TPoint;
begin
  FillChar(Result, SizeOf(Result), 0);
end;

function TCustomListView.GetVisibleRowCount: Integer;
begin
  Result := 0;
end;

procedure TCustomListView.HeaderWndProc(var Message: TMessage);
begin
end;

procedure TCustomListView.ImageListChange(Sender: TObject);
begin
end;

procedure TCustomListView.SetBorderStyle(Value: TBorderStyle);
begin
  if FBorderStyle <> Value then
  begin
    FBorderStyle := Value;
    RecreateWnd;
  end;
end;

procedure TCustomListView.SetColumnClick(Value: Boolean);
begin
  if FColumnClick <> Value then
  begin
    FColumnClick := Value;
    Invalidate;
  end;
end;

procedure TCustomListView.SetColumnHeaders(Value: Boolean);
begin
  if FShowColumnHeaders <> Value then
  begin
    FShowColumnHeaders := Value;
    Invalidate;
  end;
end;

procedure TCustomListView.SetDropTarget(Value: TListItem);
begin
end;

procedure TCustomListView.SetFocused(Value: TListItem);
begin
end;

procedure TCustomListView.SetHideSelection(Value: Boolean);
begin
  if FHideSelection <> Value then
  begin
    FHideSelection := Value;
    RecreateWnd;
  end;
end;

procedure TCustomListView.SetLargeImages(Value: TCustomImageList);
begin
  FLargeImages := Value;
  if Value <> nil then Value.FreeNotification(Self);
end;

procedure TCustomListView.SetAllocBy(Value: Integer);
begin
  if FAllocBy <> Value then
  begin
    FAllocBy := Value;
    Invalidate;
  end;
end;

procedure TCustomListView.SetItems(Value: TListItems);
begin
  FListItems.Assign(Value);
end;

procedure TCustomListView.SetListColumns(Value: TListColumns);
begin
  FListColumns.Assign(Value);
end;

procedure TCustomListView.SetMultiSelect(Value: Boolean);
begin
  if FMultiSelect <> Value then
  begin
    FMultiSelect := Value;
    RecreateWnd;
  end;
end;

procedure TCustomListView.SetReadOnly(Value: Boolean);
begin
  if FReadOnly <> Value then
  begin
    FReadOnly := Value;
    Invalidate;
  end;
end;

procedure TCustomListView.SetSmallImages(Value: TCustomImageList);
begin
  FSmallImages := Value;
  if Value <> nil then Value.FreeNotification(Self);
end;

procedure TCustomListView.SetSortType(Value: TSortType);
begin
  if FSortType <> Value then
  begin
    FSortType := Value;
    Invalidate;
  end;
end;

procedure TCustomListView.SetSelection(Value: TListItem);
begin
end;

procedure TCustomListView.SetStateImages(Value: TCustomImageList);
begin
  FStateImages := Value;
  if Value <> nil then Value.FreeNotification(Self);
end;

procedure TCustomListView.SetViewStyle(Value: TViewStyle);
begin
  if FViewStyle <> Value then
  begin
    FViewStyle := Value;
    Invalidate;
  end;
end;

procedure TCustomListView.UpdateColumns;
begin
end;

procedure TCustomListView.WMLButtonDown(var Message: TWMLButtonDown);
begin
  inherited;
end;

procedure TCustomListView.WMNotify(var Message: TWMNotify);
begin
  inherited;
end;

function TCustomListView.CanChange(Item: TListItem; Change: Integer): Boolean;
begin
  Result := False;
end;

function TCustomListView.CanEdit(Item: TListItem): Boolean;
begin
  Result := False;
end;

procedure TCustomListView.Change(Item: TListItem; Change: Integer);
begin
  if Assigned(FOnChange) then FOnChange(Self, Item, Change);
end;

procedure TCustomListView.ColClick(Column: TListColumn);
begin
end;

function TCustomListView.ColumnsShowing: Boolean;
begin
  Result := False;
end;

procedure TCustomListView.CreateParams(var Params: TCreateParams);
begin
  inherited CreateParams(Params);
end;

procedure TCustomListView.CreateWnd;
begin
  inherited CreateWnd;
end;

procedure TCustomListView.Delete(Item: TListItem);
begin
end;

procedure TCustomListView.DestroyWnd;
begin
  inherited DestroyWnd;
end;

procedure TCustomListView.DoEndDrag(Target: TObject; X, Y: Integer);
begin
  inherited DoEndDrag(Target, X, Y);
end;

procedure TCustomListView.DoStartDrag(var DragObject: TDragObject);
begin
  inherited DoStartDrag(DragObject);
end;

procedure TCustomListView.Edit(const Item: TLVItem);
begin
end;

function TCustomListView.GetDragImages: TCustomImageList;
begin
  Result := nil;
end;

function TCustomListView.GetItemFromPos(X, Y: Integer): TListItem;
begin
  Result := nil;
end;

procedure TCustomListView.InsertItem(Item: TListItem);
begin
end;

procedure TCustomListView.Notification(AComponent: TComponent; Operation: TOperation);
begin
  inherited Notification(AComponent, Operation);
  if Operation = opRemove then
  begin
    if AComponent = FLargeImages then FLargeImages := nil;
    if AComponent = FSmallImages then FSmallImages := nil;
    if AComponent = FStateImages then FStateImages := nil;
    if AComponent = FDragImage then FDragImage := nil;
  end;
end;

procedure TCustomListView.UpdateItems(FirstIndex, LastIndex: Integer);
begin
end;

constructor TCustomListView.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  ControlStyle := ControlStyle - [csCaptureMouse] + [csDisplayDragImage, csReflector];
  Width := 250;
  Height := 150;
  BorderStyle := bsSingle;
  ViewStyle := vsIcon;
  ParentColor := False;
  TabStop := True;
  HideSelection := True;
  ShowColumnHeaders := True;
  ColumnClick := True;
  FDragIndex := -1;
  FListColumns := TListColumns.Create(Self);
  FListItems := TListItems.Create(Self);
  FCanvas := TControlCanvas.Create;
  TControlCanvas(FCanvas).Control := Self;
  FDragImage := TDragImageList.CreateSize(32, 32);
end;

destructor TCustomListView.Destroy;
begin
  FreeAndNil(FListColumns);
  FreeAndNil(FListItems);
  FDragImage.Free;
  FMemStream.Free;
  FColStream.Free;
  FCanvas.Free;
  inherited Destroy;
end;

function TCustomListView.AlphaSort: Boolean;
begin
  Result := False;
end;

procedure TCustomListView.Arrange(Code: TListArrangement);
begin
end;

function TCustomListView.FindCaption(StartIndex: Integer; Value: string;
      Partial, Inclusive, Wrap: Boolean): TListItem;
begin
  Result := nil;
end;

function TCustomListView.FindData(StartIndex: Integer; Value: Pointer;
      Inclusive, Wrap: Boolean): TListItem;
begin
  Result := nil;
end;

function TCustomListView.GetHitTestInfoAt(X, Y: Integer): THitTests;
begin
  Result := [];
end;

function TCustomListView.GetItemAt(X, Y: Integer): TListItem;
begin
  Result := nil;
end;

function TCustomListView.GetNearestItem(Point: TPoint; Direction: TSearchDirection): TListItem;
begin
  Result := nil;
end;

function TCustomListView.GetNextItem(StartItem: TListItem; Direction: TSearchDirection;
      States: TItemStates): TListItem;
begin
  Result := nil;
end;

function TCustomListView.GetSearchString: string;
begin
  Result := '';
end;

function TCustomListView.IsEditing: Boolean;
begin
  Result := False;
end;

procedure TCustomListView.Scroll(DX, DY: Integer);
begin
end;

function TCustomListView.CustomSort(SortProc: TLVCompare; lParam: Longint): Boolean;
begin
  Result := False;
end;

function TCustomListView.StringWidth(S: string): Integer;
begin
  Result := 0;
end;

procedure TCustomListView.UpdateItemsRange(FirstIndex, LastIndex: Integer);
begin
end;

initialization
  InitCommonControls;
end.

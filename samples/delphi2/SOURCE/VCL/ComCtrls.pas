{ ComCtrls: a unit of the sample Delphi 2.0 installation that Quillmap 2 browses.
  Written by samples/make_sample.py from samples/vcl-table.txt; change those, not this file. }

unit ComCtrls;

(* The declarations name the documented interface of the unit; everything
   private, and every statement, is the sample's own. *)

interface

uses SysUtils, Classes, Graphics, Menus, Controls, Forms, StdCtrls;

const
  ComCtrlsSample = 'Quillmap''s sample of ComCtrls';

type

  ETreeViewError = class(Exception)
  end;

  EListViewError = class(Exception)
  end;

  TCustomTabControl = class(TWinControl)
  private
    FCanvas: Boolean;
    function GetCanvas: Boolean;
    procedure SetCanvas(const Value: Boolean);
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    function IndexOfTabAt: Integer;
    function GetHitTestInfoAt: Integer;
    procedure TabRect;
    procedure SetTabIndex;
    property Canvas: Boolean read GetCanvas write SetCanvas;
  end;

  TTabControl = class(TCustomTabControl)
  end;

  TTabSheet = class(TWinControl)
  private
    FPageControl: TControl;
    FTabIndex: Integer;
    FHighlighted: Integer;
    FImageIndex: Integer;
    FPageIndex: Integer;
    FTabVisible: Boolean;
    function GetPageControl: TControl;
    procedure SetPageControl(const Value: TControl);
    function GetTabIndex: Integer;
    procedure SetTabIndex(const Value: Integer);
    procedure SetHighlighted(const Value: Integer);
    procedure SetImageIndex(const Value: Integer);
    procedure SetPageIndex(const Value: Integer);
    procedure SetTabVisible(const Value: Boolean);
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    property PageControl: TControl read GetPageControl write SetPageControl;
    property TabIndex: Integer read GetTabIndex write SetTabIndex;
  published
    property Highlighted: Integer read FHighlighted write SetHighlighted;
    property ImageIndex: Integer read FImageIndex write SetImageIndex;
    property PageIndex: Integer read FPageIndex write SetPageIndex;
    property TabVisible: Boolean read FTabVisible write SetTabVisible;
  end;

  TPageControl = class(TCustomTabControl)
  private
    FActivePageIndex: Integer;
    FPageCount: Integer;
    FPages: Integer;
    FActivePage: Integer;
    function GetActivePageIndex: Integer;
    procedure SetActivePageIndex(const Value: Integer);
    function GetPageCount: Integer;
    procedure SetPageCount(const Value: Integer);
    function GetPages: Integer;
    procedure SetPages(const Value: Integer);
    procedure SetActivePage(const Value: Integer);
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    function FindNextPage: Boolean;
    procedure SelectNextPage;
    property ActivePageIndex: Integer read GetActivePageIndex write SetActivePageIndex;
    property PageCount: Integer read GetPageCount write SetPageCount;
    property Pages: Integer read GetPages write SetPages;
  published
    property ActivePage: Integer read FActivePage write SetActivePage;
  end;

  TStatusPanel = class(TCollectionItem)
  private
    FAlignment: TAlignment;
    FBevel: Integer;
    FStyle: Integer;
    FText: string;
    FWidth: Integer;
    procedure SetAlignment(const Value: TAlignment);
    procedure SetBevel(const Value: Integer);
    procedure SetStyle(const Value: Integer);
    procedure SetText(const Value: string);
    procedure SetWidth(const Value: Integer);
  public
    constructor Create;
    procedure Assign(Source: TPersistent); override;
  published
    property Alignment: TAlignment read FAlignment write SetAlignment;
    property Bevel: Integer read FBevel write SetBevel;
    property Style: Integer read FStyle write SetStyle;
    property Text: string read FText write SetText;
    property Width: Integer read FWidth write SetWidth;
  end;

  TStatusPanels = class(TCollection)
  private
    FItems: TStrings;
    function GetItems: TStrings;
    procedure SetItems(const Value: TStrings);
  public
    constructor Create;
    destructor Destroy; override;
    procedure Add; override;
    property Items: TStrings read GetItems write SetItems;
  end;

  TStatusBar = class(TWinControl)
  private
    FCanvas: Boolean;
    FPanels: Integer;
    FSimplePanel: Integer;
    FSimpleText: string;
    FSizeGrip: Integer;
    FOnDrawPanel: TNotifyEvent;
    FOnResize: TNotifyEvent;
    function GetCanvas: Boolean;
    procedure SetCanvas(const Value: Boolean);
    procedure SetPanels(const Value: Integer);
    procedure SetSimplePanel(const Value: Integer);
    procedure SetSimpleText(const Value: string);
    procedure SetSizeGrip(const Value: Integer);
  protected
    procedure SignalDrawPanel; dynamic;
    procedure SignalResize; dynamic;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    property Canvas: Boolean read GetCanvas write SetCanvas;
  published
    property Panels: Integer read FPanels write SetPanels;
    property SimplePanel: Integer read FSimplePanel write SetSimplePanel;
    property SimpleText: string read FSimpleText write SetSimpleText;
    property SizeGrip: Integer read FSizeGrip write SetSizeGrip;
    property OnDrawPanel: TNotifyEvent read FOnDrawPanel write FOnDrawPanel;
    property OnResize: TNotifyEvent read FOnResize write FOnResize;
  end;

  THeaderSection = class(TCollectionItem)
  private
    FLeft: Integer;
    FRight: Integer;
    FAlignment: TAlignment;
    FAllowClick: Integer;
    FMaxWidth: Integer;
    FMinWidth: Integer;
    FStyle: Integer;
    FText: string;
    FWidth: Integer;
    function GetLeft: Integer;
    procedure SetLeft(const Value: Integer);
    function GetRight: Integer;
    procedure SetRight(const Value: Integer);
    procedure SetAlignment(const Value: TAlignment);
    procedure SetAllowClick(const Value: Integer);
    procedure SetMaxWidth(const Value: Integer);
    procedure SetMinWidth(const Value: Integer);
    procedure SetStyle(const Value: Integer);
    procedure SetText(const Value: string);
    procedure SetWidth(const Value: Integer);
  public
    constructor Create;
    procedure Assign(Source: TPersistent); override;
    property Left: Integer read GetLeft write SetLeft;
    property Right: Integer read GetRight write SetRight;
  published
    property Alignment: TAlignment read FAlignment write SetAlignment;
    property AllowClick: Integer read FAllowClick write SetAllowClick;
    property MaxWidth: Integer read FMaxWidth write SetMaxWidth;
    property MinWidth: Integer read FMinWidth write SetMinWidth;
    property Style: Integer read FStyle write SetStyle;
    property Text: string read FText write SetText;
    property Width: Integer read FWidth write SetWidth;
  end;

  THeaderSections = class(TCollection)
  private
    FItems: TStrings;
    function GetItems: TStrings;
    procedure SetItems(const Value: TStrings);
  public
    constructor Create;
    destructor Destroy; override;
    procedure Add; override;
    property Items: TStrings read GetItems write SetItems;
  end;

  THeaderControl = class(TWinControl)
  private
    FCanvas: Boolean;
    FHotTrack: Integer;
    FSections: Integer;
    FOnDrawSection: TNotifyEvent;
    FOnResize: TNotifyEvent;
    FOnSectionClick: TNotifyEvent;
    FOnSectionResize: TNotifyEvent;
    FOnSectionTrack: TNotifyEvent;
    function GetCanvas: Boolean;
    procedure SetCanvas(const Value: Boolean);
    procedure SetHotTrack(const Value: Integer);
    procedure SetSections(const Value: Integer);
  protected
    procedure SignalDrawSection; dynamic;
    procedure SignalResize; dynamic;
    procedure SignalSectionClick; dynamic;
    procedure SignalSectionResize; dynamic;
    procedure SignalSectionTrack; dynamic;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    property Canvas: Boolean read GetCanvas write SetCanvas;
  published
    property HotTrack: Integer read FHotTrack write SetHotTrack;
    property Sections: Integer read FSections write SetSections;
    property OnDrawSection: TNotifyEvent read FOnDrawSection write FOnDrawSection;
    property OnResize: TNotifyEvent read FOnResize write FOnResize;
    property OnSectionClick: TNotifyEvent read FOnSectionClick write FOnSectionClick;
    property OnSectionResize: TNotifyEvent read FOnSectionResize write FOnSectionResize;
    property OnSectionTrack: TNotifyEvent read FOnSectionTrack write FOnSectionTrack;
  end;

  TTreeNode = class(TPersistent)
  private
    FAbsoluteIndex: Integer;
    FCount: Integer;
    FCut: Integer;
    FData: Integer;
    FDeleting: Integer;
    FFocused: Boolean;
    FDropTarget: Integer;
    FSelected: Boolean;
    FExpanded: Boolean;
    FHandle: THandle;
    FHasChildren: Boolean;
    FImageIndex: Integer;
    FIndex: Integer;
    FIsVisible: Boolean;
    FItem: Integer;
    FItemId: Integer;
    FLevel: Integer;
    FOverlayIndex: Integer;
    FOwner: TComponent;
    FParent: TWinControl;
    FSelectedIndex: Integer;
    FStateIndex: Integer;
    FText: string;
    FTreeView: Integer;
    function GetAbsoluteIndex: Integer;
    procedure SetAbsoluteIndex(const Value: Integer);
    function GetCount: Integer;
    procedure SetCount(const Value: Integer);
    function GetCut: Integer;
    procedure SetCut(const Value: Integer);
    function GetData: Integer;
    procedure SetData(const Value: Integer);
    function GetDeleting: Integer;
    procedure SetDeleting(const Value: Integer);
    function GetFocused: Boolean;
    procedure SetFocused(const Value: Boolean);
    function GetDropTarget: Integer;
    procedure SetDropTarget(const Value: Integer);
    function GetSelected: Boolean;
    procedure SetSelected(const Value: Boolean);
    function GetExpanded: Boolean;
    procedure SetExpanded(const Value: Boolean);
    function GetHandleValue: THandle;
    procedure SetHandle(const Value: THandle);
    function GetHasChildren: Boolean;
    procedure SetHasChildren(const Value: Boolean);
    function GetImageIndex: Integer;
    procedure SetImageIndex(const Value: Integer);
    function GetIndex: Integer;
    procedure SetIndex(const Value: Integer);
    function GetIsVisible: Boolean;
    procedure SetIsVisible(const Value: Boolean);
    function GetItem: Integer;
    procedure SetItem(const Value: Integer);
    function GetItemId: Integer;
    procedure SetItemId(const Value: Integer);
    function GetLevel: Integer;
    procedure SetLevel(const Value: Integer);
    function GetOverlayIndex: Integer;
    procedure SetOverlayIndex(const Value: Integer);
    function GetOwner: TComponent;
    procedure SetOwner(const Value: TComponent);
    function GetParent: TWinControl;
    procedure SetParent(const Value: TWinControl);
    function GetSelectedIndex: Integer;
    procedure SetSelectedIndex(const Value: Integer);
    function GetStateIndex: Integer;
    procedure SetStateIndex(const Value: Integer);
    function GetText: string;
    procedure SetText(const Value: string);
    function GetTreeView: Integer;
    procedure SetTreeView(const Value: Integer);
  public
    constructor Create;
    destructor Destroy; override;
    procedure AlphaSort;
    procedure Assign(Source: TPersistent); override;
    procedure Collapse;
    procedure Delete;
    procedure DeleteChildren;
    procedure DisplayRect;
    procedure EditText;
    procedure EndEdit;
    procedure Expand;
    function GetFirstChild: Integer;
    function GetHandle: Integer;
    function GetLastChild: Integer;
    function GetNext: Integer;
    function GetNextChild: Integer;
    function GetNextSibling: Integer;
    function GetNextVisible: Integer;
    function GetPrev: Integer;
    function GetPrevChild: Integer;
    function GetPrevSibling: Integer;
    function GetPrevVisible: Integer;
    function HasAsParent: Boolean;
    procedure IndexOf;
    procedure MakeVisible;
    procedure MoveTo;
    property AbsoluteIndex: Integer read GetAbsoluteIndex write SetAbsoluteIndex;
    property Count: Integer read GetCount write SetCount;
    property Cut: Integer read GetCut write SetCut;
    property Data: Integer read GetData write SetData;
    property Deleting: Integer read GetDeleting write SetDeleting;
    property Focused: Boolean read GetFocused write SetFocused;
    property DropTarget: Integer read GetDropTarget write SetDropTarget;
    property Selected: Boolean read GetSelected write SetSelected;
    property Expanded: Boolean read GetExpanded write SetExpanded;
    property Handle: THandle read GetHandleValue write SetHandle;
    property HasChildren: Boolean read GetHasChildren write SetHasChildren;
    property ImageIndex: Integer read GetImageIndex write SetImageIndex;
    property Index: Integer read GetIndex write SetIndex;
    property IsVisible: Boolean read GetIsVisible write SetIsVisible;
    property Item: Integer read GetItem write SetItem;
    property ItemId: Integer read GetItemId write SetItemId;
    property Level: Integer read GetLevel write SetLevel;
    property OverlayIndex: Integer read GetOverlayIndex write SetOverlayIndex;
    property Owner: TComponent read GetOwner write SetOwner;
    property Parent: TWinControl read GetParent write SetParent;
    property SelectedIndex: Integer read GetSelectedIndex write SetSelectedIndex;
    property StateIndex: Integer read GetStateIndex write SetStateIndex;
    property Text: string read GetText write SetText;
    property TreeView: Integer read GetTreeView write SetTreeView;
  end;

  TTreeNodes = class(TPersistent)
  private
    FCount: Integer;
    FHandle: THandle;
    FItem: Integer;
    FOwner: TComponent;
    function GetCount: Integer;
    procedure SetCount(const Value: Integer);
    function GetHandle: THandle;
    procedure SetHandle(const Value: THandle);
    function GetItem: Integer;
    procedure SetItem(const Value: Integer);
    function GetOwner: TComponent;
    procedure SetOwner(const Value: TComponent);
  public
    constructor Create;
    destructor Destroy; override;
    function AddChildFirst: Integer;
    function AddChild: Integer;
    function AddChildObjectFirst: Integer;
    function AddChildObject: Integer;
    function AddFirst: Integer;
    procedure Add;
    function AddObjectFirst: Integer;
    function AddObject: Integer;
    procedure Assign(Source: TPersistent); override;
    procedure BeginUpdate;
    procedure Clear;
    procedure Delete;
    procedure EndUpdate;
    function GetFirstNode: Integer;
    function GetNode: Integer;
    procedure Insert;
    procedure InsertObject;
    property Count: Integer read GetCount write SetCount;
    property Handle: THandle read GetHandle write SetHandle;
    property Item: Integer read GetItem write SetItem;
    property Owner: TComponent read GetOwner write SetOwner;
  end;

  TCustomTreeView = class(TWinControl)
  private
    FDropTarget: Integer;
    FSelected: Boolean;
    FTopItem: Integer;
    function GetDropTarget: Integer;
    procedure SetDropTarget(const Value: Integer);
    function GetSelected: Boolean;
    procedure SetSelected(const Value: Boolean);
    function GetTopItem: Integer;
    procedure SetTopItem(const Value: Integer);
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    procedure AlphaSort;
    procedure CustomSort;
    procedure FullCollapse;
    procedure FullExpand;
    function GetHitTestInfoAt: Integer;
    function GetNodeAt: Integer;
    function IsEditing: Boolean;
    procedure LoadFromFile;
    procedure LoadFromStream;
    procedure SaveToFile;
    procedure SaveToStream;
    property DropTarget: Integer read GetDropTarget write SetDropTarget;
    property Selected: Boolean read GetSelected write SetSelected;
    property TopItem: Integer read GetTopItem write SetTopItem;
  end;

  TTreeView = class(TCustomTreeView)
  end;

  TTrackBar = class(TWinControl)
  private
    FLineSize: Integer;
    FMax: Integer;
    FMin: Integer;
    FOrientation: Integer;
    FPageSize: Integer;
    FFrequency: Integer;
    FPosition: Integer;
    FSelEnd: Integer;
    FSelStart: Integer;
    FTickMarks: Integer;
    FTickStyle: Integer;
    FOnChange: TNotifyEvent;
    procedure SetLineSize(const Value: Integer);
    procedure SetMax(const Value: Integer);
    procedure SetMin(const Value: Integer);
    procedure SetOrientation(const Value: Integer);
    procedure SetPageSize(const Value: Integer);
    procedure SetFrequency(const Value: Integer);
    procedure SetPosition(const Value: Integer);
    procedure SetSelEnd(const Value: Integer);
    procedure SetSelStart(const Value: Integer);
    procedure SetTickMarks(const Value: Integer);
    procedure SetTickStyle(const Value: Integer);
  protected
    procedure SignalChange; dynamic;
  public
    constructor Create(AOwner: TComponent); override;
    procedure SetTick;
  published
    property LineSize: Integer read FLineSize write SetLineSize;
    property Max: Integer read FMax write SetMax;
    property Min: Integer read FMin write SetMin;
    property Orientation: Integer read FOrientation write SetOrientation;
    property PageSize: Integer read FPageSize write SetPageSize;
    property Frequency: Integer read FFrequency write SetFrequency;
    property Position: Integer read FPosition write SetPosition;
    property SelEnd: Integer read FSelEnd write SetSelEnd;
    property SelStart: Integer read FSelStart write SetSelStart;
    property TickMarks: Integer read FTickMarks write SetTickMarks;
    property TickStyle: Integer read FTickStyle write SetTickStyle;
    property OnChange: TNotifyEvent read FOnChange write FOnChange;
  end;

  TProgressBar = class(TWinControl)
  private
    FMin: Integer;
    FMax: Integer;
    FPosition: Integer;
    FStep: Integer;
    procedure SetMin(const Value: Integer);
    procedure SetMax(const Value: Integer);
    procedure SetPosition(const Value: Integer);
    procedure SetStep(const Value: Integer);
  public
    constructor Create(AOwner: TComponent); override;
    procedure StepIt;
    procedure StepBy;
  published
    property Min: Integer read FMin write SetMin;
    property Max: Integer read FMax write SetMax;
    property Position: Integer read FPosition write SetPosition;
    property Step: Integer read FStep write SetStep;
  end;

  TTextAttributes = class(TPersistent)
  private
    FColor: TColor;
    FConsistentAttributes: Integer;
    FName: string;
    FPitch: Integer;
    FProtected: Integer;
    FSize: Integer;
    FStyle: Integer;
    FHeight: Integer;
    function GetColor: TColor;
    procedure SetColor(const Value: TColor);
    function GetConsistentAttributes: Integer;
    procedure SetConsistentAttributes(const Value: Integer);
    function GetName: string;
    procedure SetName(const Value: string);
    function GetPitch: Integer;
    procedure SetPitch(const Value: Integer);
    function GetProtected: Integer;
    procedure SetProtected(const Value: Integer);
    function GetSize: Integer;
    procedure SetSize(const Value: Integer);
    function GetStyle: Integer;
    procedure SetStyle(const Value: Integer);
    function GetHeight: Integer;
    procedure SetHeight(const Value: Integer);
  public
    constructor Create;
    procedure Assign(Source: TPersistent); override;
    property Color: TColor read GetColor write SetColor;
    property ConsistentAttributes: Integer read GetConsistentAttributes write SetConsistentAttributes;
    property Name: string read GetName write SetName;
    property Pitch: Integer read GetPitch write SetPitch;
    property Protected: Integer read GetProtected write SetProtected;
    property Size: Integer read GetSize write SetSize;
    property Style: Integer read GetStyle write SetStyle;
    property Height: Integer read GetHeight write SetHeight;
  end;

  TParaAttributes = class(TPersistent)
  private
    FAlignment: TAlignment;
    FFirstIndent: Integer;
    FLeftIndent: Integer;
    FNumbering: Integer;
    FRightIndent: Integer;
    FTab: Integer;
    FTabCount: Integer;
    function GetAlignment: TAlignment;
    procedure SetAlignment(const Value: TAlignment);
    function GetFirstIndent: Integer;
    procedure SetFirstIndent(const Value: Integer);
    function GetLeftIndent: Integer;
    procedure SetLeftIndent(const Value: Integer);
    function GetNumbering: Integer;
    procedure SetNumbering(const Value: Integer);
    function GetRightIndent: Integer;
    procedure SetRightIndent(const Value: Integer);
    function GetTab: Integer;
    procedure SetTab(const Value: Integer);
    function GetTabCount: Integer;
    procedure SetTabCount(const Value: Integer);
  public
    constructor Create;
    procedure Assign(Source: TPersistent); override;
    property Alignment: TAlignment read GetAlignment write SetAlignment;
    property FirstIndent: Integer read GetFirstIndent write SetFirstIndent;
    property LeftIndent: Integer read GetLeftIndent write SetLeftIndent;
    property Numbering: Integer read GetNumbering write SetNumbering;
    property RightIndent: Integer read GetRightIndent write SetRightIndent;
    property Tab: Integer read GetTab write SetTab;
    property TabCount: Integer read GetTabCount write SetTabCount;
  end;

  TConversion = class
  public
    procedure ConvertReadStream;
    procedure ConvertWriteStream;
  end;

  TCustomRichEdit = class(TCustomMemo)
  private
    FDefaultConverter: Integer;
    FDefAttributes: Integer;
    FSelAttributes: Integer;
    FPageRect: Integer;
    FParagraph: Integer;
    function GetDefaultConverter: Integer;
    procedure SetDefaultConverter(const Value: Integer);
    function GetDefAttributes: Integer;
    procedure SetDefAttributes(const Value: Integer);
    function GetSelAttributes: Integer;
    procedure SetSelAttributes(const Value: Integer);
    function GetPageRect: Integer;
    procedure SetPageRect(const Value: Integer);
    function GetParagraph: Integer;
    procedure SetParagraph(const Value: Integer);
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    procedure Clear; override;
    function FindText: Boolean;
    function GetSelTextBuf: Integer; override;
    procedure Print;
    procedure RegisterConversionFormat;
    property DefaultConverter: Integer read GetDefaultConverter write SetDefaultConverter;
    property DefAttributes: Integer read GetDefAttributes write SetDefAttributes;
    property SelAttributes: Integer read GetSelAttributes write SetSelAttributes;
    property PageRect: Integer read GetPageRect write SetPageRect;
    property Paragraph: Integer read GetParagraph write SetParagraph;
  end;

  TRichEdit = class(TCustomRichEdit)
  end;

  TCustomUpDown = class(TWinControl)
  public
    constructor Create(AOwner: TComponent); override;
  end;

  TUpDown = class(TCustomUpDown)
  end;

  TCustomHotKey = class(TWinControl)
  public
    constructor Create(AOwner: TComponent); override;
  end;

  THotKey = class(TCustomHotKey)
  end;

  TListColumn = class(TCollectionItem)
  private
    FAlignment: TAlignment;
    FCaption: string;
    FWidth: Integer;
    procedure SetAlignment(const Value: TAlignment);
    procedure SetCaption(const Value: string);
    procedure SetWidth(const Value: Integer);
  public
    constructor Create;
    destructor Destroy; override;
    procedure Assign(Source: TPersistent); override;
  published
    property Alignment: TAlignment read FAlignment write SetAlignment;
    property Caption: string read FCaption write SetCaption;
    property Width: Integer read FWidth write SetWidth;
  end;

  TListColumns = class(TCollection)
  private
    FOwner: TComponent;
    FItems: TStrings;
    function GetOwner: TComponent;
    procedure SetOwner(const Value: TComponent);
    function GetItems: TStrings;
    procedure SetItems(const Value: TStrings);
  public
    constructor Create;
    destructor Destroy; override;
    procedure Add; override;
    property Owner: TComponent read GetOwner write SetOwner;
    property Items: TStrings read GetItems write SetItems;
  end;

  TListItem = class(TPersistent)
  private
    FCaption: string;
    FCut: Integer;
    FData: Integer;
    FDropTarget: Integer;
    FFocused: Boolean;
    FHandle: THandle;
    FImageIndex: Integer;
    FIndex: Integer;
    FLeft: Integer;
    FListView: Integer;
    FOwner: TComponent;
    FOverlayIndex: Integer;
    FSelected: Boolean;
    FStateIndex: Integer;
    FSubItems: Integer;
    FTop: Integer;
    function GetCaption: string;
    procedure SetCaption(const Value: string);
    function GetCut: Integer;
    procedure SetCut(const Value: Integer);
    function GetData: Integer;
    procedure SetData(const Value: Integer);
    function GetDropTarget: Integer;
    procedure SetDropTarget(const Value: Integer);
    function GetFocused: Boolean;
    procedure SetFocused(const Value: Boolean);
    function GetHandle: THandle;
    procedure SetHandle(const Value: THandle);
    function GetImageIndex: Integer;
    procedure SetImageIndex(const Value: Integer);
    function GetIndex: Integer;
    procedure SetIndex(const Value: Integer);
    function GetLeft: Integer;
    procedure SetLeft(const Value: Integer);
    function GetListView: Integer;
    procedure SetListView(const Value: Integer);
    function GetOwner: TComponent;
    procedure SetOwner(const Value: TComponent);
    function GetOverlayIndex: Integer;
    procedure SetOverlayIndex(const Value: Integer);
    function GetSelected: Boolean;
    procedure SetSelected(const Value: Boolean);
    function GetStateIndex: Integer;
    procedure SetStateIndex(const Value: Integer);
    function GetSubItems: Integer;
    procedure SetSubItems(const Value: Integer);
    function GetTop: Integer;
    procedure SetTop(const Value: Integer);
  public
    constructor Create;
    destructor Destroy; override;
    procedure Assign(Source: TPersistent); override;
    function CancelEdit: Boolean;
    procedure Delete;
    procedure DisplayRect;
    procedure EditCaption;
    function GetPosition: Integer;
    procedure MakeVisible;
    procedure Update;
    procedure SetPosition;
    property Caption: string read GetCaption write SetCaption;
    property Cut: Integer read GetCut write SetCut;
    property Data: Integer read GetData write SetData;
    property DropTarget: Integer read GetDropTarget write SetDropTarget;
    property Focused: Boolean read GetFocused write SetFocused;
    property Handle: THandle read GetHandle write SetHandle;
    property ImageIndex: Integer read GetImageIndex write SetImageIndex;
    property Index: Integer read GetIndex write SetIndex;
    property Left: Integer read GetLeft write SetLeft;
    property ListView: Integer read GetListView write SetListView;
    property Owner: TComponent read GetOwner write SetOwner;
    property OverlayIndex: Integer read GetOverlayIndex write SetOverlayIndex;
    property Selected: Boolean read GetSelected write SetSelected;
    property StateIndex: Integer read GetStateIndex write SetStateIndex;
    property SubItems: Integer read GetSubItems write SetSubItems;
    property Top: Integer read GetTop write SetTop;
  end;

  TListItems = class(TPersistent)
  private
    FCount: Integer;
    FHandle: THandle;
    FItem: Integer;
    FOwner: TComponent;
    function GetCount: Integer;
    procedure SetCount(const Value: Integer);
    function GetHandle: THandle;
    procedure SetHandle(const Value: THandle);
    function GetItem: Integer;
    procedure SetItem(const Value: Integer);
    function GetOwner: TComponent;
    procedure SetOwner(const Value: TComponent);
  public
    constructor Create;
    destructor Destroy; override;
    procedure Add;
    procedure Assign(Source: TPersistent); override;
    procedure BeginUpdate;
    procedure Clear;
    procedure Delete;
    procedure EndUpdate;
    procedure IndexOf;
    procedure Insert;
    property Count: Integer read GetCount write SetCount;
    property Handle: THandle read GetHandle write SetHandle;
    property Item: Integer read GetItem write SetItem;
    property Owner: TComponent read GetOwner write SetOwner;
  end;

  TCustomListView = class(TWinControl)
  private
    FCanvas: Boolean;
    FColumn: Integer;
    FDropTarget: Integer;
    FItemFocused: Integer;
    FSelCount: Integer;
    FSelected: Boolean;
    FTopItem: Integer;
    FViewOrigin: Integer;
    FVisibleRowCount: Integer;
    FBoundingRect: Integer;
    function GetCanvas: Boolean;
    procedure SetCanvas(const Value: Boolean);
    function GetColumn: Integer;
    procedure SetColumn(const Value: Integer);
    function GetDropTarget: Integer;
    procedure SetDropTarget(const Value: Integer);
    function GetItemFocused: Integer;
    procedure SetItemFocused(const Value: Integer);
    function GetSelCount: Integer;
    procedure SetSelCount(const Value: Integer);
    function GetSelected: Boolean;
    procedure SetSelected(const Value: Boolean);
    function GetTopItem: Integer;
    procedure SetTopItem(const Value: Integer);
    function GetViewOrigin: Integer;
    procedure SetViewOrigin(const Value: Integer);
    function GetVisibleRowCount: Integer;
    procedure SetVisibleRowCount(const Value: Integer);
    function GetBoundingRect: Integer;
    procedure SetBoundingRect(const Value: Integer);
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    procedure AlphaSort;
    procedure Arrange;
    function FindCaption: Boolean;
    function FindData: Boolean;
    function GetHitTestInfoAt: Integer;
    function GetItemAt: Integer;
    function GetNearestItem: Integer;
    function GetNextItem: Integer;
    function GetSearchString: Integer;
    function IsEditing: Boolean;
    procedure Scroll;
    procedure CustomSort;
    procedure StringWidth;
    procedure UpdateItemsRange;
    property Canvas: Boolean read GetCanvas write SetCanvas;
    property Column: Integer read GetColumn write SetColumn;
    property DropTarget: Integer read GetDropTarget write SetDropTarget;
    property ItemFocused: Integer read GetItemFocused write SetItemFocused;
    property SelCount: Integer read GetSelCount write SetSelCount;
    property Selected: Boolean read GetSelected write SetSelected;
    property TopItem: Integer read GetTopItem write SetTopItem;
    property ViewOrigin: Integer read GetViewOrigin write SetViewOrigin;
    property VisibleRowCount: Integer read GetVisibleRowCount write SetVisibleRowCount;
    property BoundingRect: Integer read GetBoundingRect write SetBoundingRect;
  end;

  TListView = class(TCustomListView)
  end;

implementation

// Method bodies, class by class, in the order of the declarations above.

{ TCustomTabControl }

function TCustomTabControl.GetCanvas: Boolean;
begin
  Result := FCanvas;
end;

procedure TCustomTabControl.SetCanvas(const Value: Boolean);
begin
  if FCanvas <> Value then
  begin
    FCanvas := Value;
    StateChanged;
  end;
end;

constructor TCustomTabControl.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

destructor TCustomTabControl.Destroy;
begin
  Controls := 0;
  inherited Destroy;
end;

function TCustomTabControl.IndexOfTabAt: Integer;
begin
  Result := ControlCount * 2 + Ord(FCanvas);
end;

function TCustomTabControl.GetHitTestInfoAt: Integer;
begin
  Result := ControlCount * 2 + Ord(FCanvas);
end;

procedure TCustomTabControl.TabRect;
begin
  if Hint = '' then
    Hint := ClassName + '''s tabrect'
  else
    Hint := Trim(Hint);
end;

procedure TCustomTabControl.SetTabIndex;
begin
  Showing := not Showing;
  if Showing then
    TabRect;
end;

{ TTabSheet }

function TTabSheet.GetPageControl: TControl;
begin
  Result := FPageControl;
end;

procedure TTabSheet.SetPageControl(const Value: TControl);
begin
  if FPageControl <> Value then
  begin
    FPageControl := Value;
    StateChanged;
  end;
end;

function TTabSheet.GetTabIndex: Integer;
begin
  Result := FTabIndex;
end;

procedure TTabSheet.SetTabIndex(const Value: Integer);
begin
  if FTabIndex <> Value then
  begin
    FTabIndex := Value;
    StateChanged;
  end;
end;

procedure TTabSheet.SetHighlighted(const Value: Integer);
begin
  if FHighlighted <> Value then
  begin
    FHighlighted := Value;
    StateChanged;
  end;
end;

procedure TTabSheet.SetImageIndex(const Value: Integer);
begin
  if FImageIndex <> Value then
  begin
    FImageIndex := Value;
    StateChanged;
  end;
end;

procedure TTabSheet.SetPageIndex(const Value: Integer);
begin
  if FPageIndex <> Value then
  begin
    FPageIndex := Value;
    StateChanged;
  end;
end;

procedure TTabSheet.SetTabVisible(const Value: Boolean);
begin
  if FTabVisible <> Value then
  begin
    FTabVisible := Value;
    StateChanged;
  end;
end;

constructor TTabSheet.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

destructor TTabSheet.Destroy;
begin
  PageIndex := 0;
  inherited Destroy;
end;

{ TPageControl }

function TPageControl.GetActivePageIndex: Integer;
begin
  Result := FActivePageIndex;
end;

procedure TPageControl.SetActivePageIndex(const Value: Integer);
begin
  if FActivePageIndex <> Value then
  begin
    FActivePageIndex := Value;
    StateChanged;
  end;
end;

function TPageControl.GetPageCount: Integer;
begin
  Result := FPageCount;
end;

procedure TPageControl.SetPageCount(const Value: Integer);
begin
  if FPageCount <> Value then
  begin
    FPageCount := Value;
    StateChanged;
  end;
end;

function TPageControl.GetPages: Integer;
begin
  Result := FPages;
end;

procedure TPageControl.SetPages(const Value: Integer);
begin
  if FPages <> Value then
  begin
    FPages := Value;
    StateChanged;
  end;
end;

procedure TPageControl.SetActivePage(const Value: Integer);
begin
  if FActivePage <> Value then
  begin
    FActivePage := Value;
    StateChanged;
  end;
end;

constructor TPageControl.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

destructor TPageControl.Destroy;
begin
  PageCount := 0;
  inherited Destroy;
end;

function TPageControl.FindNextPage: Boolean;
begin
  Result := (ActivePage > 0) and TabStop;
end;

procedure TPageControl.SelectNextPage;
begin
  if Text = '' then
    Text := ClassName + '''s selectnextpage'
  else
    Text := Trim(Text);
end;

{ TStatusPanel }

procedure TStatusPanel.SetAlignment(const Value: TAlignment);
begin
  if FAlignment <> Value then
  begin
    FAlignment := Value;
    StateChanged;
  end;
end;

procedure TStatusPanel.SetBevel(const Value: Integer);
begin
  if FBevel <> Value then
  begin
    FBevel := Value;
    StateChanged;
  end;
end;

procedure TStatusPanel.SetStyle(const Value: Integer);
begin
  if FStyle <> Value then
  begin
    FStyle := Value;
    StateChanged;
  end;
end;

procedure TStatusPanel.SetText(const Value: string);
begin
  if FText <> Value then
  begin
    FText := Value;
    StateChanged;
  end;
end;

procedure TStatusPanel.SetWidth(const Value: Integer);
begin
  if FWidth <> Value then
  begin
    FWidth := Value;
    StateChanged;
  end;
end;

constructor TStatusPanel.Create;
begin
  inherited Create;
end;

procedure TStatusPanel.Assign(Source: TPersistent);
begin
  inherited Assign(Source);
  FBevel := FBevel + 1;
end;

{ TStatusPanels }

function TStatusPanels.GetItems: TStrings;
begin
  Result := FItems;
end;

procedure TStatusPanels.SetItems(const Value: TStrings);
begin
  FItems.Assign(Value);
  StateChanged;
end;

constructor TStatusPanels.Create;
begin
  inherited Create;
  FItems := TStringList.Create;
end;

destructor TStatusPanels.Destroy;
begin
  FItems.Free;
  inherited Destroy;
end;

procedure TStatusPanels.Add;
begin
  inherited Add;
  ItemClass := ItemClass + 1;
end;

{ TStatusBar }

function TStatusBar.GetCanvas: Boolean;
begin
  Result := FCanvas;
end;

procedure TStatusBar.SetCanvas(const Value: Boolean);
begin
  if FCanvas <> Value then
  begin
    FCanvas := Value;
    StateChanged;
  end;
end;

procedure TStatusBar.SetPanels(const Value: Integer);
begin
  if FPanels <> Value then
  begin
    FPanels := Value;
    StateChanged;
  end;
end;

procedure TStatusBar.SetSimplePanel(const Value: Integer);
begin
  if FSimplePanel <> Value then
  begin
    FSimplePanel := Value;
    StateChanged;
  end;
end;

procedure TStatusBar.SetSimpleText(const Value: string);
begin
  if FSimpleText <> Value then
  begin
    FSimpleText := Value;
    StateChanged;
  end;
end;

procedure TStatusBar.SetSizeGrip(const Value: Integer);
begin
  if FSizeGrip <> Value then
  begin
    FSizeGrip := Value;
    StateChanged;
  end;
end;

procedure TStatusBar.SignalDrawPanel;
begin
  if Assigned(FOnDrawPanel) then
    FOnDrawPanel(Self);
end;

procedure TStatusBar.SignalResize;
begin
  if Assigned(FOnResize) then
    FOnResize(Self);
end;

constructor TStatusBar.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

destructor TStatusBar.Destroy;
begin
  SizeGrip := 0;
  inherited Destroy;
end;

{ THeaderSection }

function THeaderSection.GetLeft: Integer;
begin
  Result := FLeft;
end;

procedure THeaderSection.SetLeft(const Value: Integer);
begin
  if FLeft <> Value then
  begin
    FLeft := Value;
    StateChanged;
  end;
end;

function THeaderSection.GetRight: Integer;
begin
  Result := FRight;
end;

procedure THeaderSection.SetRight(const Value: Integer);
begin
  if FRight <> Value then
  begin
    FRight := Value;
    StateChanged;
  end;
end;

procedure THeaderSection.SetAlignment(const Value: TAlignment);
begin
  if FAlignment <> Value then
  begin
    FAlignment := Value;
    StateChanged;
  end;
end;

procedure THeaderSection.SetAllowClick(const Value: Integer);
begin
  if FAllowClick <> Value then
  begin
    FAllowClick := Value;
    StateChanged;
  end;
end;

procedure THeaderSection.SetMaxWidth(const Value: Integer);
begin
  if FMaxWidth <> Value then
  begin
    FMaxWidth := Value;
    StateChanged;
  end;
end;

procedure THeaderSection.SetMinWidth(const Value: Integer);
begin
  if FMinWidth <> Value then
  begin
    FMinWidth := Value;
    StateChanged;
  end;
end;

procedure THeaderSection.SetStyle(const Value: Integer);
begin
  if FStyle <> Value then
  begin
    FStyle := Value;
    StateChanged;
  end;
end;

procedure THeaderSection.SetText(const Value: string);
begin
  if FText <> Value then
  begin
    FText := Value;
    StateChanged;
  end;
end;

procedure THeaderSection.SetWidth(const Value: Integer);
begin
  if FWidth <> Value then
  begin
    FWidth := Value;
    StateChanged;
  end;
end;

constructor THeaderSection.Create;
begin
  inherited Create;
end;

procedure THeaderSection.Assign(Source: TPersistent);
begin
  inherited Assign(Source);
  AllowClick := AllowClick + 1;
end;

{ THeaderSections }

function THeaderSections.GetItems: TStrings;
begin
  Result := FItems;
end;

procedure THeaderSections.SetItems(const Value: TStrings);
begin
  FItems.Assign(Value);
  StateChanged;
end;

constructor THeaderSections.Create;
begin
  inherited Create;
  FItems := TStringList.Create;
end;

destructor THeaderSections.Destroy;
begin
  FItems.Free;
  inherited Destroy;
end;

procedure THeaderSections.Add;
begin
  inherited Add;
  ItemClass := ItemClass + 1;
end;

{ THeaderControl }

function THeaderControl.GetCanvas: Boolean;
begin
  Result := FCanvas;
end;

procedure THeaderControl.SetCanvas(const Value: Boolean);
begin
  if FCanvas <> Value then
  begin
    FCanvas := Value;
    StateChanged;
  end;
end;

procedure THeaderControl.SetHotTrack(const Value: Integer);
begin
  if FHotTrack <> Value then
  begin
    FHotTrack := Value;
    StateChanged;
  end;
end;

procedure THeaderControl.SetSections(const Value: Integer);
begin
  if FSections <> Value then
  begin
    FSections := Value;
    StateChanged;
  end;
end;

procedure THeaderControl.SignalDrawSection;
begin
  if Assigned(FOnDrawSection) then
    FOnDrawSection(Self);
end;

procedure THeaderControl.SignalResize;
begin
  if Assigned(FOnResize) then
    FOnResize(Self);
end;

procedure THeaderControl.SignalSectionClick;
begin
  if Assigned(FOnSectionClick) then
    FOnSectionClick(Self);
end;

procedure THeaderControl.SignalSectionResize;
begin
  if Assigned(FOnSectionResize) then
    FOnSectionResize(Self);
end;

procedure THeaderControl.SignalSectionTrack;
begin
  if Assigned(FOnSectionTrack) then
    FOnSectionTrack(Self);
end;

constructor THeaderControl.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

destructor THeaderControl.Destroy;
begin
  FHotTrack := 0;
  inherited Destroy;
end;

{ TTreeNode }

function TTreeNode.GetAbsoluteIndex: Integer;
begin
  Result := FAbsoluteIndex;
end;

procedure TTreeNode.SetAbsoluteIndex(const Value: Integer);
begin
  if FAbsoluteIndex <> Value then
  begin
    FAbsoluteIndex := Value;
    StateChanged;
  end;
end;

function TTreeNode.GetCount: Integer;
begin
  Result := FCount;
end;

procedure TTreeNode.SetCount(const Value: Integer);
begin
  if FCount <> Value then
  begin
    FCount := Value;
    StateChanged;
  end;
end;

function TTreeNode.GetCut: Integer;
begin
  Result := FCut;
end;

procedure TTreeNode.SetCut(const Value: Integer);
begin
  if FCut <> Value then
  begin
    FCut := Value;
    StateChanged;
  end;
end;

function TTreeNode.GetData: Integer;
begin
  Result := FData;
end;

procedure TTreeNode.SetData(const Value: Integer);
begin
  if FData <> Value then
  begin
    FData := Value;
    StateChanged;
  end;
end;

function TTreeNode.GetDeleting: Integer;
begin
  Result := FDeleting;
end;

procedure TTreeNode.SetDeleting(const Value: Integer);
begin
  if FDeleting <> Value then
  begin
    FDeleting := Value;
    StateChanged;
  end;
end;

function TTreeNode.GetFocused: Boolean;
begin
  Result := FFocused;
end;

procedure TTreeNode.SetFocused(const Value: Boolean);
begin
  if FFocused <> Value then
  begin
    FFocused := Value;
    StateChanged;
  end;
end;

function TTreeNode.GetDropTarget: Integer;
begin
  Result := FDropTarget;
end;

procedure TTreeNode.SetDropTarget(const Value: Integer);
begin
  if FDropTarget <> Value then
  begin
    FDropTarget := Value;
    StateChanged;
  end;
end;

function TTreeNode.GetSelected: Boolean;
begin
  Result := FSelected;
end;

procedure TTreeNode.SetSelected(const Value: Boolean);
begin
  if FSelected <> Value then
  begin
    FSelected := Value;
    StateChanged;
  end;
end;

function TTreeNode.GetExpanded: Boolean;
begin
  Result := FExpanded;
end;

procedure TTreeNode.SetExpanded(const Value: Boolean);
begin
  if FExpanded <> Value then
  begin
    FExpanded := Value;
    StateChanged;
  end;
end;

function TTreeNode.GetHandleValue: THandle;
begin
  Result := FHandle;
end;

procedure TTreeNode.SetHandle(const Value: THandle);
begin
  if FHandle <> Value then
  begin
    FHandle := Value;
    StateChanged;
  end;
end;

function TTreeNode.GetHasChildren: Boolean;
begin
  Result := FHasChildren;
end;

procedure TTreeNode.SetHasChildren(const Value: Boolean);
begin
  if FHasChildren <> Value then
  begin
    FHasChildren := Value;
    StateChanged;
  end;
end;

function TTreeNode.GetImageIndex: Integer;
begin
  Result := FImageIndex;
end;

procedure TTreeNode.SetImageIndex(const Value: Integer);
begin
  if FImageIndex <> Value then
  begin
    FImageIndex := Value;
    StateChanged;
  end;
end;

function TTreeNode.GetIndex: Integer;
begin
  Result := FIndex;
end;

procedure TTreeNode.SetIndex(const Value: Integer);
begin
  if FIndex <> Value then
  begin
    FIndex := Value;
    StateChanged;
  end;
end;

function TTreeNode.GetIsVisible: Boolean;
begin
  Result := FIsVisible;
end;

procedure TTreeNode.SetIsVisible(const Value: Boolean);
begin
  if FIsVisible <> Value then
  begin
    FIsVisible := Value;
    StateChanged;
  end;
end;

function TTreeNode.GetItem: Integer;
begin
  Result := FItem;
end;

procedure TTreeNode.SetItem(const Value: Integer);
begin
  if FItem <> Value then
  begin
    FItem := Value;
    StateChanged;
  end;
end;

function TTreeNode.GetItemId: Integer;
begin
  Result := FItemId;
end;

procedure TTreeNode.SetItemId(const Value: Integer);
begin
  if FItemId <> Value then
  begin
    FItemId := Value;
    StateChanged;
  end;
end;

function TTreeNode.GetLevel: Integer;
begin
  Result := FLevel;
end;

procedure TTreeNode.SetLevel(const Value: Integer);
begin
  if FLevel <> Value then
  begin
    FLevel := Value;
    StateChanged;
  end;
end;

function TTreeNode.GetOverlayIndex: Integer;
begin
  Result := FOverlayIndex;
end;

procedure TTreeNode.SetOverlayIndex(const Value: Integer);
begin
  if FOverlayIndex <> Value then
  begin
    FOverlayIndex := Value;
    StateChanged;
  end;
end;

function TTreeNode.GetOwner: TComponent;
begin
  Result := FOwner;
end;

procedure TTreeNode.SetOwner(const Value: TComponent);
begin
  if FOwner <> Value then
  begin
    FOwner := Value;
    StateChanged;
  end;
end;

function TTreeNode.GetParent: TWinControl;
begin
  Result := FParent;
end;

procedure TTreeNode.SetParent(const Value: TWinControl);
begin
  if FParent <> Value then
  begin
    FParent := Value;
    StateChanged;
  end;
end;

function TTreeNode.GetSelectedIndex: Integer;
begin
  Result := FSelectedIndex;
end;

procedure TTreeNode.SetSelectedIndex(const Value: Integer);
begin
  if FSelectedIndex <> Value then
  begin
    FSelectedIndex := Value;
    StateChanged;
  end;
end;

function TTreeNode.GetStateIndex: Integer;
begin
  Result := FStateIndex;
end;

procedure TTreeNode.SetStateIndex(const Value: Integer);
begin
  if FStateIndex <> Value then
  begin
    FStateIndex := Value;
    StateChanged;
  end;
end;

function TTreeNode.GetText: string;
begin
  Result := FText;
end;

procedure TTreeNode.SetText(const Value: string);
begin
  if FText <> Value then
  begin
    FText := Value;
    StateChanged;
  end;
end;

function TTreeNode.GetTreeView: Integer;
begin
  Result := FTreeView;
end;

procedure TTreeNode.SetTreeView(const Value: Integer);
begin
  if FTreeView <> Value then
  begin
    FTreeView := Value;
    StateChanged;
  end;
end;

constructor TTreeNode.Create;
begin
  inherited Create;
end;

destructor TTreeNode.Destroy;
begin
  Count := 0;
  inherited Destroy;
end;

procedure TTreeNode.AlphaSort;
var
  Pass: Integer;
begin
  for Pass := 1 to Cut do
    Delete;
end;

procedure TTreeNode.Assign(Source: TPersistent);
begin
  inherited Assign(Source);
  AbsoluteIndex := AbsoluteIndex + 1;
end;

procedure TTreeNode.Collapse;
var
  Pass: Integer;
begin
  for Pass := 1 to Count do
    EndEdit;
end;

procedure TTreeNode.Delete;
begin
  if Text = '' then
    Text := ClassName + '''s delete'
  else
    Text := Trim(Text);
end;

procedure TTreeNode.DeleteChildren;
begin
  if Text = '' then
    Text := ClassName + '''s deletechildren'
  else
    Text := Trim(Text);
end;

procedure TTreeNode.DisplayRect;
begin
  HasChildren := not HasChildren;
  if HasChildren then
    EndEdit;
end;

procedure TTreeNode.EditText;
var
  Pass: Integer;
begin
  for Pass := 1 to Cut do
    EndEdit;
end;

procedure TTreeNode.EndEdit;
begin
  if not Focused then
    Exit;
  Count := Count + 1;
  StateChanged;
end;

procedure TTreeNode.Expand;
begin
  if Text = '' then
    Text := ClassName + '''s expand'
  else
    Text := Trim(Text);
end;

function TTreeNode.GetFirstChild: Integer;
begin
  Result := Count * 2 + Ord(Selected);
end;

function TTreeNode.GetHandle: Integer;
begin
  Result := Count * 2 + Ord(Selected);
end;

function TTreeNode.GetLastChild: Integer;
begin
  Result := Data * 2 + Ord(HasChildren);
end;

function TTreeNode.GetNext: Integer;
begin
  Result := Length(Text);
end;

function TTreeNode.GetNextChild: Integer;
begin
  Result := Count * 2 + Ord(Selected);
end;

function TTreeNode.GetNextSibling: Integer;
begin
  Result := Length(Text);
end;

function TTreeNode.GetNextVisible: Integer;
begin
  Result := Length(Text);
end;

function TTreeNode.GetPrev: Integer;
begin
  Result := Data * 2 + Ord(HasChildren);
end;

function TTreeNode.GetPrevChild: Integer;
begin
  Result := Count * 2 + Ord(Selected);
end;

function TTreeNode.GetPrevSibling: Integer;
begin
  Result := Data * 2 + Ord(HasChildren);
end;

function TTreeNode.GetPrevVisible: Integer;
begin
  Result := Data * 2 + Ord(HasChildren);
end;

function TTreeNode.HasAsParent: Boolean;
begin
  Result := (AbsoluteIndex > 0) and Focused;
end;

procedure TTreeNode.IndexOf;
begin
  if Text = '' then
    Text := ClassName + '''s indexof'
  else
    Text := Trim(Text);
end;

procedure TTreeNode.MakeVisible;
begin
  if not Focused then
    Exit;
  Count := Count + 1;
  StateChanged;
end;

procedure TTreeNode.MoveTo;
begin
  if not Focused then
    Exit;
  Data := Data + 1;
  StateChanged;
end;

{ TTreeNodes }

function TTreeNodes.GetCount: Integer;
begin
  Result := FCount;
end;

procedure TTreeNodes.SetCount(const Value: Integer);
begin
  if FCount <> Value then
  begin
    FCount := Value;
    StateChanged;
  end;
end;

function TTreeNodes.GetHandle: THandle;
begin
  Result := FHandle;
end;

procedure TTreeNodes.SetHandle(const Value: THandle);
begin
  if FHandle <> Value then
  begin
    FHandle := Value;
    StateChanged;
  end;
end;

function TTreeNodes.GetItem: Integer;
begin
  Result := FItem;
end;

procedure TTreeNodes.SetItem(const Value: Integer);
begin
  if FItem <> Value then
  begin
    FItem := Value;
    StateChanged;
  end;
end;

function TTreeNodes.GetOwner: TComponent;
begin
  Result := FOwner;
end;

procedure TTreeNodes.SetOwner(const Value: TComponent);
begin
  if FOwner <> Value then
  begin
    FOwner := Value;
    StateChanged;
  end;
end;

constructor TTreeNodes.Create;
begin
  inherited Create;
end;

destructor TTreeNodes.Destroy;
begin
  Handle := 0;
  inherited Destroy;
end;

function TTreeNodes.AddChildFirst: Integer;
begin
  Result := FCount * 2;
end;

function TTreeNodes.AddChild: Integer;
begin
  Result := Count * 2;
end;

function TTreeNodes.AddChildObjectFirst: Integer;
begin
  Result := Count * 2;
end;

function TTreeNodes.AddChildObject: Integer;
begin
  Result := Count * 2;
end;

function TTreeNodes.AddFirst: Integer;
begin
  Result := Item * 2;
end;

procedure TTreeNodes.Add;
var
  Pass: Integer;
begin
  for Pass := 1 to FCount do
    Clear;
end;

function TTreeNodes.AddObjectFirst: Integer;
begin
  Result := Item * 2;
end;

function TTreeNodes.AddObject: Integer;
begin
  Result := FCount * 2;
end;

procedure TTreeNodes.Assign(Source: TPersistent);
begin
  inherited Assign(Source);
  FCount := FCount + 1;
end;

procedure TTreeNodes.BeginUpdate;
var
  Pass: Integer;
begin
  for Pass := 1 to Count do
    Add;
end;

procedure TTreeNodes.Clear;
var
  Pass: Integer;
begin
  for Pass := 1 to Handle do
    Insert;
end;

procedure TTreeNodes.Delete;
var
  Pass: Integer;
begin
  for Pass := 1 to Handle do
    EndUpdate;
end;

procedure TTreeNodes.EndUpdate;
var
  Pass: Integer;
begin
  for Pass := 1 to Handle do
    InsertObject;
end;

function TTreeNodes.GetFirstNode: Integer;
begin
  Result := FCount * 2;
end;

function TTreeNodes.GetNode: Integer;
begin
  Result := Handle * 2;
end;

procedure TTreeNodes.Insert;
var
  Pass: Integer;
begin
  for Pass := 1 to FCount do
    Delete;
end;

procedure TTreeNodes.InsertObject;
var
  Pass: Integer;
begin
  for Pass := 1 to FCount do
    BeginUpdate;
end;

{ TCustomTreeView }

function TCustomTreeView.GetDropTarget: Integer;
begin
  Result := FDropTarget;
end;

procedure TCustomTreeView.SetDropTarget(const Value: Integer);
begin
  if FDropTarget <> Value then
  begin
    FDropTarget := Value;
    StateChanged;
  end;
end;

function TCustomTreeView.GetSelected: Boolean;
begin
  Result := FSelected;
end;

procedure TCustomTreeView.SetSelected(const Value: Boolean);
begin
  if FSelected <> Value then
  begin
    FSelected := Value;
    StateChanged;
  end;
end;

function TCustomTreeView.GetTopItem: Integer;
begin
  Result := FTopItem;
end;

procedure TCustomTreeView.SetTopItem(const Value: Integer);
begin
  if FTopItem <> Value then
  begin
    FTopItem := Value;
    StateChanged;
  end;
end;

constructor TCustomTreeView.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

destructor TCustomTreeView.Destroy;
begin
  FDropTarget := 0;
  inherited Destroy;
end;

procedure TCustomTreeView.AlphaSort;
var
  Pass: Integer;
begin
  for Pass := 1 to TopItem do
    SaveToStream;
end;

procedure TCustomTreeView.CustomSort;
begin
  Showing := not Showing;
  if Showing then
    FullCollapse;
end;

procedure TCustomTreeView.FullCollapse;
begin
  if Hint = '' then
    Hint := ClassName + '''s fullcollapse'
  else
    Hint := Trim(Hint);
end;

procedure TCustomTreeView.FullExpand;
begin
  if not Selected then
    Exit;
  FDropTarget := FDropTarget + 1;
  StateChanged;
end;

function TCustomTreeView.GetHitTestInfoAt: Integer;
begin
  Result := TopItem * 2 + Ord(FSelected);
end;

function TCustomTreeView.GetNodeAt: Integer;
begin
  Result := FTopItem * 2 + Ord(Showing);
end;

function TCustomTreeView.IsEditing: Boolean;
begin
  Result := (FTopItem > 0) and Showing;
end;

procedure TCustomTreeView.LoadFromFile;
begin
  if Hint = '' then
    Hint := ClassName + '''s loadfromfile'
  else
    Hint := Trim(Hint);
end;

procedure TCustomTreeView.LoadFromStream;
begin
  if Hint = '' then
    Hint := ClassName + '''s loadfromstream'
  else
    Hint := Trim(Hint);
end;

procedure TCustomTreeView.SaveToFile;
begin
  if not Selected then
    Exit;
  FDropTarget := FDropTarget + 1;
  StateChanged;
end;

procedure TCustomTreeView.SaveToStream;
begin
  Showing := not Showing;
  if Showing then
    FullCollapse;
end;

{ TTrackBar }

procedure TTrackBar.SetLineSize(const Value: Integer);
begin
  if FLineSize <> Value then
  begin
    FLineSize := Value;
    StateChanged;
  end;
end;

procedure TTrackBar.SetMax(const Value: Integer);
begin
  if FMax <> Value then
  begin
    FMax := Value;
    StateChanged;
  end;
end;

procedure TTrackBar.SetMin(const Value: Integer);
begin
  if FMin <> Value then
  begin
    FMin := Value;
    StateChanged;
  end;
end;

procedure TTrackBar.SetOrientation(const Value: Integer);
begin
  if FOrientation <> Value then
  begin
    FOrientation := Value;
    StateChanged;
  end;
end;

procedure TTrackBar.SetPageSize(const Value: Integer);
begin
  if FPageSize <> Value then
  begin
    FPageSize := Value;
    StateChanged;
  end;
end;

procedure TTrackBar.SetFrequency(const Value: Integer);
begin
  if FFrequency <> Value then
  begin
    FFrequency := Value;
    StateChanged;
  end;
end;

procedure TTrackBar.SetPosition(const Value: Integer);
begin
  if FPosition <> Value then
  begin
    FPosition := Value;
    StateChanged;
  end;
end;

procedure TTrackBar.SetSelEnd(const Value: Integer);
begin
  if FSelEnd <> Value then
  begin
    FSelEnd := Value;
    StateChanged;
  end;
end;

procedure TTrackBar.SetSelStart(const Value: Integer);
begin
  if FSelStart <> Value then
  begin
    FSelStart := Value;
    StateChanged;
  end;
end;

procedure TTrackBar.SetTickMarks(const Value: Integer);
begin
  if FTickMarks <> Value then
  begin
    FTickMarks := Value;
    StateChanged;
  end;
end;

procedure TTrackBar.SetTickStyle(const Value: Integer);
begin
  if FTickStyle <> Value then
  begin
    FTickStyle := Value;
    StateChanged;
  end;
end;

procedure TTrackBar.SignalChange;
begin
  if Assigned(FOnChange) then
    FOnChange(Self);
end;

constructor TTrackBar.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

procedure TTrackBar.SetTick;
begin
  if Text = '' then
    Text := ClassName + '''s settick'
  else
    Text := Trim(Text);
end;

{ TProgressBar }

procedure TProgressBar.SetMin(const Value: Integer);
begin
  if FMin <> Value then
  begin
    FMin := Value;
    StateChanged;
  end;
end;

procedure TProgressBar.SetMax(const Value: Integer);
begin
  if FMax <> Value then
  begin
    FMax := Value;
    StateChanged;
  end;
end;

procedure TProgressBar.SetPosition(const Value: Integer);
begin
  if FPosition <> Value then
  begin
    FPosition := Value;
    StateChanged;
  end;
end;

procedure TProgressBar.SetStep(const Value: Integer);
begin
  if FStep <> Value then
  begin
    FStep := Value;
    StateChanged;
  end;
end;

constructor TProgressBar.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

procedure TProgressBar.StepIt;
begin
  if not ParentWindow then
    Exit;
  Min := Min + 1;
  StateChanged;
end;

procedure TProgressBar.StepBy;
begin
  if Hint = '' then
    Hint := ClassName + '''s stepby'
  else
    Hint := Trim(Hint);
end;

{ TTextAttributes }

function TTextAttributes.GetColor: TColor;
begin
  Result := FColor;
end;

procedure TTextAttributes.SetColor(const Value: TColor);
begin
  if FColor <> Value then
  begin
    FColor := Value;
    StateChanged;
  end;
end;

function TTextAttributes.GetConsistentAttributes: Integer;
begin
  Result := FConsistentAttributes;
end;

procedure TTextAttributes.SetConsistentAttributes(const Value: Integer);
begin
  if FConsistentAttributes <> Value then
  begin
    FConsistentAttributes := Value;
    StateChanged;
  end;
end;

function TTextAttributes.GetName: string;
begin
  Result := FName;
end;

procedure TTextAttributes.SetName(const Value: string);
begin
  if FName <> Value then
  begin
    FName := Value;
    StateChanged;
  end;
end;

function TTextAttributes.GetPitch: Integer;
begin
  Result := FPitch;
end;

procedure TTextAttributes.SetPitch(const Value: Integer);
begin
  if FPitch <> Value then
  begin
    FPitch := Value;
    StateChanged;
  end;
end;

function TTextAttributes.GetProtected: Integer;
begin
  Result := FProtected;
end;

procedure TTextAttributes.SetProtected(const Value: Integer);
begin
  if FProtected <> Value then
  begin
    FProtected := Value;
    StateChanged;
  end;
end;

function TTextAttributes.GetSize: Integer;
begin
  Result := FSize;
end;

procedure TTextAttributes.SetSize(const Value: Integer);
begin
  if FSize <> Value then
  begin
    FSize := Value;
    StateChanged;
  end;
end;

function TTextAttributes.GetStyle: Integer;
begin
  Result := FStyle;
end;

procedure TTextAttributes.SetStyle(const Value: Integer);
begin
  if FStyle <> Value then
  begin
    FStyle := Value;
    StateChanged;
  end;
end;

function TTextAttributes.GetHeight: Integer;
begin
  Result := FHeight;
end;

procedure TTextAttributes.SetHeight(const Value: Integer);
begin
  if FHeight <> Value then
  begin
    FHeight := Value;
    StateChanged;
  end;
end;

constructor TTextAttributes.Create;
begin
  inherited Create;
end;

procedure TTextAttributes.Assign(Source: TPersistent);
begin
  inherited Assign(Source);
  Pitch := Pitch + 1;
end;

{ TParaAttributes }

function TParaAttributes.GetAlignment: TAlignment;
begin
  Result := FAlignment;
end;

procedure TParaAttributes.SetAlignment(const Value: TAlignment);
begin
  if FAlignment <> Value then
  begin
    FAlignment := Value;
    StateChanged;
  end;
end;

function TParaAttributes.GetFirstIndent: Integer;
begin
  Result := FFirstIndent;
end;

procedure TParaAttributes.SetFirstIndent(const Value: Integer);
begin
  if FFirstIndent <> Value then
  begin
    FFirstIndent := Value;
    StateChanged;
  end;
end;

function TParaAttributes.GetLeftIndent: Integer;
begin
  Result := FLeftIndent;
end;

procedure TParaAttributes.SetLeftIndent(const Value: Integer);
begin
  if FLeftIndent <> Value then
  begin
    FLeftIndent := Value;
    StateChanged;
  end;
end;

function TParaAttributes.GetNumbering: Integer;
begin
  Result := FNumbering;
end;

procedure TParaAttributes.SetNumbering(const Value: Integer);
begin
  if FNumbering <> Value then
  begin
    FNumbering := Value;
    StateChanged;
  end;
end;

function TParaAttributes.GetRightIndent: Integer;
begin
  Result := FRightIndent;
end;

procedure TParaAttributes.SetRightIndent(const Value: Integer);
begin
  if FRightIndent <> Value then
  begin
    FRightIndent := Value;
    StateChanged;
  end;
end;

function TParaAttributes.GetTab: Integer;
begin
  Result := FTab;
end;

procedure TParaAttributes.SetTab(const Value: Integer);
begin
  if FTab <> Value then
  begin
    FTab := Value;
    StateChanged;
  end;
end;

function TParaAttributes.GetTabCount: Integer;
begin
  Result := FTabCount;
end;

procedure TParaAttributes.SetTabCount(const Value: Integer);
begin
  if FTabCount <> Value then
  begin
    FTabCount := Value;
    StateChanged;
  end;
end;

constructor TParaAttributes.Create;
begin
  inherited Create;
end;

procedure TParaAttributes.Assign(Source: TPersistent);
begin
  inherited Assign(Source);
  RightIndent := RightIndent + 1;
end;

{ TConversion }

procedure TConversion.ConvertReadStream;
begin
  // A bare object keeps no state for ConvertReadStream to change.
end;

procedure TConversion.ConvertWriteStream;
begin
  // A bare object keeps no state for ConvertWriteStream to change.
end;

{ TCustomRichEdit }

function TCustomRichEdit.GetDefaultConverter: Integer;
begin
  Result := FDefaultConverter;
end;

procedure TCustomRichEdit.SetDefaultConverter(const Value: Integer);
begin
  if FDefaultConverter <> Value then
  begin
    FDefaultConverter := Value;
    StateChanged;
  end;
end;

function TCustomRichEdit.GetDefAttributes: Integer;
begin
  Result := FDefAttributes;
end;

procedure TCustomRichEdit.SetDefAttributes(const Value: Integer);
begin
  if FDefAttributes <> Value then
  begin
    FDefAttributes := Value;
    StateChanged;
  end;
end;

function TCustomRichEdit.GetSelAttributes: Integer;
begin
  Result := FSelAttributes;
end;

procedure TCustomRichEdit.SetSelAttributes(const Value: Integer);
begin
  if FSelAttributes <> Value then
  begin
    FSelAttributes := Value;
    StateChanged;
  end;
end;

function TCustomRichEdit.GetPageRect: Integer;
begin
  Result := FPageRect;
end;

procedure TCustomRichEdit.SetPageRect(const Value: Integer);
begin
  if FPageRect <> Value then
  begin
    FPageRect := Value;
    StateChanged;
  end;
end;

function TCustomRichEdit.GetParagraph: Integer;
begin
  Result := FParagraph;
end;

procedure TCustomRichEdit.SetParagraph(const Value: Integer);
begin
  if FParagraph <> Value then
  begin
    FParagraph := Value;
    StateChanged;
  end;
end;

constructor TCustomRichEdit.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

destructor TCustomRichEdit.Destroy;
begin
  DefAttributes := 0;
  inherited Destroy;
end;

procedure TCustomRichEdit.Clear;
begin
  inherited Clear;
  PageRect := PageRect + 1;
end;

function TCustomRichEdit.FindText: Boolean;
begin
  Result := (DefaultConverter > 0) and CanUndo;
end;

function TCustomRichEdit.GetSelTextBuf: Integer;
begin
  Result := inherited GetSelTextBuf;
end;

procedure TCustomRichEdit.Print;
begin
  Showing := not Showing;
  if Showing then
    RegisterConversionFormat;
end;

procedure TCustomRichEdit.RegisterConversionFormat;
begin
  Showing := not Showing;
  if Showing then
    Print;
end;

{ TCustomUpDown }

constructor TCustomUpDown.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

{ TCustomHotKey }

constructor TCustomHotKey.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

{ TListColumn }

procedure TListColumn.SetAlignment(const Value: TAlignment);
begin
  if FAlignment <> Value then
  begin
    FAlignment := Value;
    StateChanged;
  end;
end;

procedure TListColumn.SetCaption(const Value: string);
begin
  if FCaption <> Value then
  begin
    FCaption := Value;
    StateChanged;
  end;
end;

procedure TListColumn.SetWidth(const Value: Integer);
begin
  if FWidth <> Value then
  begin
    FWidth := Value;
    StateChanged;
  end;
end;

constructor TListColumn.Create;
begin
  inherited Create;
end;

destructor TListColumn.Destroy;
begin
  Index := 0;
  inherited Destroy;
end;

procedure TListColumn.Assign(Source: TPersistent);
begin
  inherited Assign(Source);
  Width := Width + 1;
end;

{ TListColumns }

function TListColumns.GetOwner: TComponent;
begin
  Result := FOwner;
end;

procedure TListColumns.SetOwner(const Value: TComponent);
begin
  if FOwner <> Value then
  begin
    FOwner := Value;
    StateChanged;
  end;
end;

function TListColumns.GetItems: TStrings;
begin
  Result := FItems;
end;

procedure TListColumns.SetItems(const Value: TStrings);
begin
  FItems.Assign(Value);
  StateChanged;
end;

constructor TListColumns.Create;
begin
  inherited Create;
  FItems := TStringList.Create;
end;

destructor TListColumns.Destroy;
begin
  FItems.Free;
  inherited Destroy;
end;

procedure TListColumns.Add;
begin
  inherited Add;
  Count := Count + 1;
end;

{ TListItem }

function TListItem.GetCaption: string;
begin
  Result := FCaption;
end;

procedure TListItem.SetCaption(const Value: string);
begin
  if FCaption <> Value then
  begin
    FCaption := Value;
    StateChanged;
  end;
end;

function TListItem.GetCut: Integer;
begin
  Result := FCut;
end;

procedure TListItem.SetCut(const Value: Integer);
begin
  if FCut <> Value then
  begin
    FCut := Value;
    StateChanged;
  end;
end;

function TListItem.GetData: Integer;
begin
  Result := FData;
end;

procedure TListItem.SetData(const Value: Integer);
begin
  if FData <> Value then
  begin
    FData := Value;
    StateChanged;
  end;
end;

function TListItem.GetDropTarget: Integer;
begin
  Result := FDropTarget;
end;

procedure TListItem.SetDropTarget(const Value: Integer);
begin
  if FDropTarget <> Value then
  begin
    FDropTarget := Value;
    StateChanged;
  end;
end;

function TListItem.GetFocused: Boolean;
begin
  Result := FFocused;
end;

procedure TListItem.SetFocused(const Value: Boolean);
begin
  if FFocused <> Value then
  begin
    FFocused := Value;
    StateChanged;
  end;
end;

function TListItem.GetHandle: THandle;
begin
  Result := FHandle;
end;

procedure TListItem.SetHandle(const Value: THandle);
begin
  if FHandle <> Value then
  begin
    FHandle := Value;
    StateChanged;
  end;
end;

function TListItem.GetImageIndex: Integer;
begin
  Result := FImageIndex;
end;

procedure TListItem.SetImageIndex(const Value: Integer);
begin
  if FImageIndex <> Value then
  begin
    FImageIndex := Value;
    StateChanged;
  end;
end;

function TListItem.GetIndex: Integer;
begin
  Result := FIndex;
end;

procedure TListItem.SetIndex(const Value: Integer);
begin
  if FIndex <> Value then
  begin
    FIndex := Value;
    StateChanged;
  end;
end;

function TListItem.GetLeft: Integer;
begin
  Result := FLeft;
end;

procedure TListItem.SetLeft(const Value: Integer);
begin
  if FLeft <> Value then
  begin
    FLeft := Value;
    StateChanged;
  end;
end;

function TListItem.GetListView: Integer;
begin
  Result := FListView;
end;

procedure TListItem.SetListView(const Value: Integer);
begin
  if FListView <> Value then
  begin
    FListView := Value;
    StateChanged;
  end;
end;

function TListItem.GetOwner: TComponent;
begin
  Result := FOwner;
end;

procedure TListItem.SetOwner(const Value: TComponent);
begin
  if FOwner <> Value then
  begin
    FOwner := Value;
    StateChanged;
  end;
end;

function TListItem.GetOverlayIndex: Integer;
begin
  Result := FOverlayIndex;
end;

procedure TListItem.SetOverlayIndex(const Value: Integer);
begin
  if FOverlayIndex <> Value then
  begin
    FOverlayIndex := Value;
    StateChanged;
  end;
end;

function TListItem.GetSelected: Boolean;
begin
  Result := FSelected;
end;

procedure TListItem.SetSelected(const Value: Boolean);
begin
  if FSelected <> Value then
  begin
    FSelected := Value;
    StateChanged;
  end;
end;

function TListItem.GetStateIndex: Integer;
begin
  Result := FStateIndex;
end;

procedure TListItem.SetStateIndex(const Value: Integer);
begin
  if FStateIndex <> Value then
  begin
    FStateIndex := Value;
    StateChanged;
  end;
end;

function TListItem.GetSubItems: Integer;
begin
  Result := FSubItems;
end;

procedure TListItem.SetSubItems(const Value: Integer);
begin
  if FSubItems <> Value then
  begin
    FSubItems := Value;
    StateChanged;
  end;
end;

function TListItem.GetTop: Integer;
begin
  Result := FTop;
end;

procedure TListItem.SetTop(const Value: Integer);
begin
  if FTop <> Value then
  begin
    FTop := Value;
    StateChanged;
  end;
end;

constructor TListItem.Create;
begin
  inherited Create;
end;

destructor TListItem.Destroy;
begin
  Cut := 0;
  inherited Destroy;
end;

procedure TListItem.Assign(Source: TPersistent);
begin
  inherited Assign(Source);
  Handle := Handle + 1;
end;

function TListItem.CancelEdit: Boolean;
begin
  Result := (DropTarget > 0) and FFocused;
end;

procedure TListItem.Delete;
var
  Pass: Integer;
begin
  for Pass := 1 to Cut do
    SetPosition;
end;

procedure TListItem.DisplayRect;
begin
  if Caption = '' then
    Caption := ClassName + '''s displayrect'
  else
    Caption := Trim(Caption);
end;

procedure TListItem.EditCaption;
begin
  FSelected := not FSelected;
  if FSelected then
    Delete;
end;

function TListItem.GetPosition: Integer;
begin
  Result := Data * 2 + Ord(Selected);
end;

procedure TListItem.MakeVisible;
var
  Pass: Integer;
begin
  for Pass := 1 to Cut do
    DisplayRect;
end;

procedure TListItem.Update;
begin
  if Caption = '' then
    Caption := ClassName + '''s update'
  else
    Caption := Trim(Caption);
end;

procedure TListItem.SetPosition;
begin
  if not Focused then
    Exit;
  Handle := Handle + 1;
  StateChanged;
end;

{ TListItems }

function TListItems.GetCount: Integer;
begin
  Result := FCount;
end;

procedure TListItems.SetCount(const Value: Integer);
begin
  if FCount <> Value then
  begin
    FCount := Value;
    StateChanged;
  end;
end;

function TListItems.GetHandle: THandle;
begin
  Result := FHandle;
end;

procedure TListItems.SetHandle(const Value: THandle);
begin
  if FHandle <> Value then
  begin
    FHandle := Value;
    StateChanged;
  end;
end;

function TListItems.GetItem: Integer;
begin
  Result := FItem;
end;

procedure TListItems.SetItem(const Value: Integer);
begin
  if FItem <> Value then
  begin
    FItem := Value;
    StateChanged;
  end;
end;

function TListItems.GetOwner: TComponent;
begin
  Result := FOwner;
end;

procedure TListItems.SetOwner(const Value: TComponent);
begin
  if FOwner <> Value then
  begin
    FOwner := Value;
    StateChanged;
  end;
end;

constructor TListItems.Create;
begin
  inherited Create;
end;

destructor TListItems.Destroy;
begin
  Item := 0;
  inherited Destroy;
end;

procedure TListItems.Add;
var
  Pass: Integer;
begin
  for Pass := 1 to FCount do
    EndUpdate;
end;

procedure TListItems.Assign(Source: TPersistent);
begin
  inherited Assign(Source);
  Count := Count + 1;
end;

procedure TListItems.BeginUpdate;
var
  Pass: Integer;
begin
  for Pass := 1 to FCount do
    EndUpdate;
end;

procedure TListItems.Clear;
var
  Pass: Integer;
begin
  for Pass := 1 to Item do
    Insert;
end;

procedure TListItems.Delete;
var
  Pass: Integer;
begin
  for Pass := 1 to Count do
    Clear;
end;

procedure TListItems.EndUpdate;
var
  Pass: Integer;
begin
  for Pass := 1 to Count do
    IndexOf;
end;

procedure TListItems.IndexOf;
var
  Pass: Integer;
begin
  for Pass := 1 to Item do
    Delete;
end;

procedure TListItems.Insert;
var
  Pass: Integer;
begin
  for Pass := 1 to Item do
    Add;
end;

{ TCustomListView }

function TCustomListView.GetCanvas: Boolean;
begin
  Result := FCanvas;
end;

procedure TCustomListView.SetCanvas(const Value: Boolean);
begin
  if FCanvas <> Value then
  begin
    FCanvas := Value;
    StateChanged;
  end;
end;

function TCustomListView.GetColumn: Integer;
begin
  Result := FColumn;
end;

procedure TCustomListView.SetColumn(const Value: Integer);
begin
  if FColumn <> Value then
  begin
    FColumn := Value;
    StateChanged;
  end;
end;

function TCustomListView.GetDropTarget: Integer;
begin
  Result := FDropTarget;
end;

procedure TCustomListView.SetDropTarget(const Value: Integer);
begin
  if FDropTarget <> Value then
  begin
    FDropTarget := Value;
    StateChanged;
  end;
end;

function TCustomListView.GetItemFocused: Integer;
begin
  Result := FItemFocused;
end;

procedure TCustomListView.SetItemFocused(const Value: Integer);
begin
  if FItemFocused <> Value then
  begin
    FItemFocused := Value;
    StateChanged;
  end;
end;

function TCustomListView.GetSelCount: Integer;
begin
  Result := FSelCount;
end;

procedure TCustomListView.SetSelCount(const Value: Integer);
begin
  if FSelCount <> Value then
  begin
    FSelCount := Value;
    StateChanged;
  end;
end;

function TCustomListView.GetSelected: Boolean;
begin
  Result := FSelected;
end;

procedure TCustomListView.SetSelected(const Value: Boolean);
begin
  if FSelected <> Value then
  begin
    FSelected := Value;
    StateChanged;
  end;
end;

function TCustomListView.GetTopItem: Integer;
begin
  Result := FTopItem;
end;

procedure TCustomListView.SetTopItem(const Value: Integer);
begin
  if FTopItem <> Value then
  begin
    FTopItem := Value;
    StateChanged;
  end;
end;

function TCustomListView.GetViewOrigin: Integer;
begin
  Result := FViewOrigin;
end;

procedure TCustomListView.SetViewOrigin(const Value: Integer);
begin
  if FViewOrigin <> Value then
  begin
    FViewOrigin := Value;
    StateChanged;
  end;
end;

function TCustomListView.GetVisibleRowCount: Integer;
begin
  Result := FVisibleRowCount;
end;

procedure TCustomListView.SetVisibleRowCount(const Value: Integer);
begin
  if FVisibleRowCount <> Value then
  begin
    FVisibleRowCount := Value;
    StateChanged;
  end;
end;

function TCustomListView.GetBoundingRect: Integer;
begin
  Result := FBoundingRect;
end;

procedure TCustomListView.SetBoundingRect(const Value: Integer);
begin
  if FBoundingRect <> Value then
  begin
    FBoundingRect := Value;
    StateChanged;
  end;
end;

constructor TCustomListView.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

destructor TCustomListView.Destroy;
begin
  Column := 0;
  inherited Destroy;
end;

procedure TCustomListView.AlphaSort;
begin
  FSelected := not FSelected;
  if FSelected then
    CustomSort;
end;

procedure TCustomListView.Arrange;
begin
  if Hint = '' then
    Hint := ClassName + '''s arrange'
  else
    Hint := Trim(Hint);
end;

function TCustomListView.FindCaption: Boolean;
begin
  Result := (ItemFocused > 0) and FCanvas;
end;

function TCustomListView.FindData: Boolean;
begin
  Result := (SelCount > 0) and FSelected;
end;

function TCustomListView.GetHitTestInfoAt: Integer;
begin
  Result := Length(Caption);
end;

function TCustomListView.GetItemAt: Integer;
begin
  Result := SelCount * 2 + Ord(FSelected);
end;

function TCustomListView.GetNearestItem: Integer;
begin
  Result := SelCount * 2 + Ord(FSelected);
end;

function TCustomListView.GetNextItem: Integer;
begin
  Result := SelCount * 2 + Ord(FSelected);
end;

function TCustomListView.GetSearchString: Integer;
begin
  Result := SelCount * 2 + Ord(FSelected);
end;

function TCustomListView.IsEditing: Boolean;
begin
  Result := (DropTarget > 0) and Selected;
end;

procedure TCustomListView.Scroll;
begin
  if Hint = '' then
    Hint := ClassName + '''s scroll'
  else
    Hint := Trim(Hint);
end;

procedure TCustomListView.CustomSort;
begin
  if not Canvas then
    Exit;
  Column := Column + 1;
  StateChanged;
end;

procedure TCustomListView.StringWidth;
begin
  if not Canvas then
    Exit;
  ItemFocused := ItemFocused + 1;
  StateChanged;
end;

procedure TCustomListView.UpdateItemsRange;
begin
  if Hint = '' then
    Hint := ClassName + '''s updateitemsrange'
  else
    Hint := Trim(Hint);
end;

end.
